// The window's commands on real folders, with the shell, the folder dialog
// and the message box recorded.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/temp_tree.h"
#include "tests/window/window_fixture.h"

namespace window_test {
namespace {

using test_support::Exists;
using test_support::TempFolder;
using testing::ElementsAre;

class MakeTest : public MainWindowTest {
 protected:
  // root/a.html and root/sub/b.jpg: pages in both folders.
  void MakeTree() {
    test_support::WriteBytes(tree_ / "a.html", "<html></html>");
    test_support::MakeFolder(tree_ / "sub");
    test_support::WriteBytes(tree_ / "sub" + "\\b.jpg", "jpg");
  }
  void Make(const std::string& text) {
    Form1->tbDir.SetText(text);
    Press(Form1->btnMake);
  }
  TempFolder tree_;
};

TEST_F(MakeTest, WritesPagesRecordsFolderAndOpensTopPage) {
  MakeTree();
  Make(tree_.path());
  EXPECT_TRUE(Exists(tree_ / "RevavE.html"));
  EXPECT_TRUE(Exists(tree_ / "sub\\RevavE.html"));
  EXPECT_THAT(Items(), ElementsAre(tree_.path()));
  ASSERT_EQ(shell_requests_.size(), 1u);
  EXPECT_EQ(shell_requests_[0].owner, nullptr);
  EXPECT_EQ(shell_requests_[0].verb, "Open");
  EXPECT_EQ(shell_requests_[0].file, tree_.path() + "\\RevavE.html");
  EXPECT_EQ(shell_requests_[0].show_command, 1);
  EXPECT_TRUE(message_boxes_.empty());
}

TEST_F(MakeTest, EmptyTextDoesNothingAtAll) {
  MakeTree();
  Make("");
  Press(Form1->btnShow);
  EXPECT_FALSE(Exists(tree_ / "RevavE.html"));
  EXPECT_TRUE(Items().empty());
  EXPECT_TRUE(shell_requests_.empty());
  EXPECT_TRUE(message_boxes_.empty());
}

TEST_F(MakeTest, MissingFolderIsRecordedAndOpenedWithoutPage) {
  const std::string missing = tree_ / "missing";
  Make(missing);
  EXPECT_FALSE(Exists(missing));
  EXPECT_THAT(Items(), ElementsAre(missing));
  ASSERT_EQ(shell_requests_.size(), 1u);
  EXPECT_EQ(shell_requests_[0].file, missing + "\\RevavE.html");
  EXPECT_TRUE(message_boxes_.empty());
}

TEST_F(MakeTest, SameFolderInAnyLetterCaseIsOneItemButTrailingBackslashIsAnother) {
  MakeTree();
  Make(tree_.path());
  Make(tree_.path());
  std::string upper = tree_.path();
  CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
  ASSERT_NE(upper, tree_.path());
  Make(upper);
  EXPECT_THAT(Items(), ElementsAre(tree_.path()));
  Make(tree_.path() + "\\");
  EXPECT_THAT(Items(), ElementsAre(tree_.path(), tree_.path() + "\\"));
  // Every make asks for the page, also when the item was there already.
  ASSERT_EQ(shell_requests_.size(), 4u);
  EXPECT_EQ(shell_requests_[2].file, upper + "\\RevavE.html");
  EXPECT_EQ(shell_requests_[3].file, tree_.path() + "\\\\RevavE.html");
}

TEST_F(MakeTest, ItemsStaySortedWhateverTheOrderMade) {
  for (const char* name : {"c", "a", "d", "b"}) Make(tree_ / name);
  EXPECT_THAT(Items(), ElementsAre(tree_ / "a", tree_ / "b", tree_ / "c", tree_ / "d"));
}

TEST_F(MakeTest, BlanksAndRelativePathsPassUnchanged) {
  Make("  ");
  Make(" relative\\folder ");
  EXPECT_THAT(Items(), ElementsAre("  ", " relative\\folder "));
  ASSERT_EQ(shell_requests_.size(), 2u);
  EXPECT_EQ(shell_requests_[0].file, "  \\RevavE.html");
  EXPECT_EQ(shell_requests_[1].file, " relative\\folder \\RevavE.html");
}

TEST_F(MakeTest, ShowOpensThePageOfTheTextAsItStands) {
  Form1->tbDir.SetText(tree_.path() + "\\");
  Press(Form1->btnShow);
  ASSERT_EQ(shell_requests_.size(), 1u);
  EXPECT_EQ(shell_requests_[0].file, tree_.path() + "\\\\RevavE.html");
  EXPECT_EQ(shell_requests_[0].verb, "Open");
  EXPECT_EQ(shell_requests_[0].show_command, SW_SHOWNORMAL);
  EXPECT_TRUE(Items().empty());
}

TEST_F(MakeTest, RefusedPageGoesToErrorReportAndTheNextMakeWorks) {
  if (!test_support::ReadOnlyIsEnforced()) GTEST_SKIP() << "the system lets this user overwrite read-only files";
  MakeTree();
  test_support::WriteBytes(tree_ / "RevavE.html", "old");
  test_support::SetReadOnly(tree_ / "RevavE.html", true);
  Make(tree_.path());
  ASSERT_EQ(message_boxes_.size(), 1u);
  EXPECT_EQ(message_boxes_[0].caption, L"めるぼ HP");
  EXPECT_EQ(message_boxes_[0].text, L"ファイルへのアクセスが拒否されました.");
  EXPECT_EQ(message_boxes_[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(message_boxes_[0].owner, Form1->Handle());
  EXPECT_TRUE(Items().empty());
  EXPECT_TRUE(shell_requests_.empty());
  // The subfolder's page, written before the failure, stays.
  EXPECT_TRUE(Exists(tree_ / "sub\\RevavE.html"));

  test_support::SetReadOnly(tree_ / "RevavE.html", false);
  Make(tree_.path());
  EXPECT_EQ(message_boxes_.size(), 1u);
  EXPECT_THAT(Items(), ElementsAre(tree_.path()));
  EXPECT_EQ(shell_requests_.size(), 1u);
  EXPECT_NE(test_support::ReadBytes(tree_ / "RevavE.html"), std::optional<std::string>("old"));
}

// ---- the folder pick

struct PickCase {
  const char* name;
  std::string text;                   // tbDir before the pick
  std::optional<std::string> answer;  // the dialog's answer; none: cancel
  std::string result;                 // tbDir after
};

class PickTest : public MainWindowTest, public testing::WithParamInterface<PickCase> {};

TEST_P(PickTest, TakesTheAnswerAndDropsOneTrailingBackslash) {
  Form1->tbDir.SetText(GetParam().text);
  dialog_answer_ = GetParam().answer;
  Press(Form1->btnDir);
  ASSERT_EQ(dialog_requests_.size(), 1u);
  EXPECT_EQ(dialog_requests_[0].caption, L"ディレクトリの選択");
  EXPECT_EQ(Form1->tbDir.Text(), GetParam().result);
  EXPECT_TRUE(message_boxes_.empty());
  EXPECT_TRUE(shell_requests_.empty());
}

const std::string kHyou = "\x95\x5C";  // "表": its second byte is 0x5C

INSTANTIATE_TEST_SUITE_P(
    Table, PickTest,
    testing::Values(PickCase{"OkWithFolder", "", std::string("C:\\windows"), "C:\\windows"},
                    PickCase{"OkWithDriveRoot", "C:\\windows", std::string("C:\\"), "C:"},
                    PickCase{"CancelWithEmptyText", "", std::nullopt, ""},
                    PickCase{"CancelWithTrailingBackslash", "C:\\data\\", std::nullopt, "C:\\data"},
                    PickCase{"CancelWithPlainText", "C:\\data", std::nullopt, "C:\\data"},
                    PickCase{"OkWithNameEndingInHyou", "", "C:\\" + kHyou, "C:\\" + kHyou},
                    PickCase{"CancelWithNameEndingInHyou", "C:\\" + kHyou, std::nullopt, "C:\\" + kHyou}),
    [](const testing::TestParamInfo<PickCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, PickStartsAtTheFolderMadeAbsolute) {
  TempFolder folder;
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  SetCurrentDirectoryA(folder.path().c_str());
  test_support::MakeFolder(folder / "inner");
  Form1->tbDir.SetText("inner");
  Press(Form1->btnDir);
  SetCurrentDirectoryA(current);
  ASSERT_EQ(dialog_requests_.size(), 1u);
  EXPECT_EQ(dialog_requests_[0].start_folder, folder / "inner");
  EXPECT_EQ(Form1->tbDir.Text(), "inner");
}

TEST_F(MainWindowTest, PickOnADriveThatCannotBeEnteredReportsAndKeepsText) {
  // Find a drive letter Wine or Windows has no drive for.
  char letter = 0;
  const DWORD drives = GetLogicalDrives();
  for (char c = 'Q'; c <= 'Y'; ++c) {
    if (!(drives & (1u << (c - 'A')))) {
      letter = c;
      break;
    }
  }
  if (!letter) GTEST_SKIP() << "every drive letter is taken";
  const std::string text = std::string(1, letter) + ":\\nowhere\\";
  Form1->tbDir.SetText(text);
  Press(Form1->btnDir);
  EXPECT_TRUE(dialog_requests_.empty());
  ASSERT_EQ(message_boxes_.size(), 1u);
  EXPECT_EQ(message_boxes_[0].caption, L"めるぼ HP");
  EXPECT_EQ(Form1->tbDir.Text(), text);
}

// ---- the history pick

TEST_F(MainWindowTest, HistoryPickCopiesTheItemExactlyAndStartsNothing) {
  const std::string hyou = "C:\\" + kHyou;
  const std::string long_item = "C:\\" + std::string(3996, 'x');
  ASSERT_EQ(long_item.size(), 3999u);
  const std::string longest = std::string(4000, 'y') + kHyou;
  for (const std::string& item : {hyou, long_item, longest, std::string(" blank ")}) {
    Form1->lbDirList.Items().Add(item);
  }
  for (const std::string& item : {hyou, long_item, longest, std::string(" blank ")}) {
    const int index = Form1->lbDirList.Items().IndexOf(item);
    ASSERT_GE(index, 0);
    Form1->lbDirList.SetItemIndex(index);
    // As the list box tells its parent of a selection by the user.
    SendMessageW(Form1->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Form1->lbDirList.Handle()), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Form1->lbDirList.Handle()));
    EXPECT_EQ(Form1->tbDir.Text(), item);
  }
  EXPECT_EQ(Form1->lbDirList.Items().Count(), 4);
  EXPECT_TRUE(shell_requests_.empty());
  EXPECT_TRUE(message_boxes_.empty());
  EXPECT_TRUE(dialog_requests_.empty());
}

TEST_F(MainWindowTest, HistoryClickWithoutSelectionLeavesTextAlone) {
  Form1->lbDirList.Items().Add("C:\\a");
  Form1->tbDir.SetText("typed");
  Form1->lbDirList.SetItemIndex(-1);
  Form1->lbDirListClick(&Form1->lbDirList);
  EXPECT_EQ(Form1->tbDir.Text(), "typed");
}

}  // namespace
}  // namespace window_test
