// The history list's items on the system's own list box.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/window/window_fixture.h"

namespace window_test {
namespace {

using testing::ElementsAre;

TEST_F(MainWindowTest, ItemsAreSortedFoundWithoutLetterCaseAndCleared) {
  auto& items = Form1->lbDirList.Items();
  EXPECT_EQ(items.Count(), 0);
  EXPECT_EQ(items.IndexOf("x"), -1);
  items.Add("C:\\b");
  items.Add("C:\\a");
  const int at = items.Add("C:\\c");
  EXPECT_EQ(at, 2);
  EXPECT_THAT(Items(), ElementsAre("C:\\a", "C:\\b", "C:\\c"));
  EXPECT_EQ(items.IndexOf("c:\\B"), 1);
  // The whole text, not a prefix of an item.
  EXPECT_EQ(items.IndexOf("C:\\"), -1);
  EXPECT_EQ(items.IndexOf("C:\\a\\"), -1);
  // Loading adds without looking: equal items may stand twice.
  items.Add("C:\\a");
  EXPECT_EQ(items.Count(), 4);
  EXPECT_EQ(Form1->lbDirList.ItemIndex(), -1);
  Form1->lbDirList.SetItemIndex(1);
  EXPECT_EQ(Form1->lbDirList.ItemIndex(), 1);
  items.Clear();
  EXPECT_EQ(items.Count(), 0);
  EXPECT_EQ(Form1->lbDirList.ItemIndex(), -1);
}

TEST_F(MainWindowTest, ItemBytesOfTheCodePageComeBackUnchanged) {
  auto& items = Form1->lbDirList.Items();
  const std::string japanese = Ansi(L"C:\\表示\\日本語のフォルダ");
  ASSERT_EQ(GetACP(), 932u) << "the tests expect a Japanese system";
  items.Add(japanese);
  items.Add(std::string(5000, 'z'));
  const std::string long_japanese = Ansi(std::wstring(3000, L'表'));
  ASSERT_EQ(long_japanese.size(), 6000u);
  items.Add(long_japanese);
  EXPECT_EQ(items.Strings(items.IndexOf(japanese)), japanese);
  EXPECT_EQ(items.Strings(items.IndexOf(std::string(5000, 'z'))), std::string(5000, 'z'));
  EXPECT_EQ(items.Strings(items.IndexOf(long_japanese)), long_japanese);
  EXPECT_EQ(items.Strings(99), "");
}

TEST_F(MainWindowTest, EditTextBytesOfTheCodePageComeBackUnchanged) {
  for (const std::string& text : {Ansi(L"C:\\表"), std::string(40000, 'q'), std::string("  "), std::string()}) {
    Form1->tbDir.SetText(text);
    EXPECT_EQ(Form1->tbDir.Text(), text);
  }
}

TEST_F(MainWindowTest, UpdatePairsNestAndRedrawingComesBack) {
  auto& items = Form1->lbDirList.Items();
  items.BeginUpdate();
  items.BeginUpdate();
  items.Add("b");
  items.EndUpdate();
  items.Add("a");
  items.EndUpdate();
  items.EndUpdate();  // one too many does no harm
  EXPECT_THAT(Items(), ElementsAre("a", "b"));
}

}  // namespace
}  // namespace window_test
