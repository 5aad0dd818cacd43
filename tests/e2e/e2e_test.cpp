// The real DazovAR.exe under Wine, driven only through window messages as a
// user's clicks would drive it. Every wait is bounded: the driver fails, and
// ends the program, rather than hang.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "tests/e2e/program_driver.h"
#include "tests/support/temp_tree.h"

namespace e2e {
namespace {

using test_support::Exists;
using test_support::TempFolder;
using testing::ElementsAre;

TEST(DazovArProgram, MakesPagesRecordsFoldersAndClosesCleanly) {
  TempFolder tree;
  test_support::WriteBytes(tree / "a.html", "<html></html>");
  test_support::MakeFolder(tree / "sub");
  test_support::WriteBytes(tree / "sub\\b.jpg", "jpg");
  TempFolder other;
  test_support::WriteBytes(other / "c.html", "<html></html>");

  // A copy under a name of its own starts as a first run: the settings are
  // named after the executable.
  Program program(ProgramPath(), "e2e");
  ASSERT_TRUE(program.Start()) << program.Failure();
  ProgramWindow& window = program.Window();

  EXPECT_EQ(window.Caption(), L"めるぼ HP");
  const RECT bounds = window.Bounds();
  EXPECT_EQ(bounds.left, 0);
  EXPECT_EQ(bounds.top, 0);
  EXPECT_EQ(bounds.right - bounds.left, 600);
  EXPECT_EQ(bounds.bottom - bounds.top, 400);
  EXPECT_EQ(window.DirText(), "");
  EXPECT_TRUE(window.ListItems().empty());
  SaveScreenshot(window.Handle(), OutputFolder() + "\\main-window.png");

  // Made in the reverse of their order: the list sorts them.
  const std::string first = tree.path() < other.path() ? tree.path() : other.path();
  const std::string second = tree.path() < other.path() ? other.path() : tree.path();
  window.SetDirText(second);
  ASSERT_TRUE(window.Press(L"作成(&M)")) << "the make did not return";
  window.SetDirText(first);
  ASSERT_TRUE(window.Press(L"作成(&M)"));
  // The same folder once more, in other letter case: no second item.
  std::string upper = first;
  CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
  window.SetDirText(upper);
  ASSERT_TRUE(window.Press(L"作成(&M)"));

  EXPECT_TRUE(Exists(tree / "RevavE.html"));
  EXPECT_TRUE(Exists(tree / "sub\\RevavE.html"));
  EXPECT_TRUE(Exists(other / "RevavE.html"));
  EXPECT_THAT(window.ListItems(), ElementsAre(first, second));
  EXPECT_FALSE(program.ShowsMessageBox()) << "an error was reported";

  // Empty text: nothing happens, the list stays.
  window.SetDirText("");
  ASSERT_TRUE(window.Press(L"作成(&M)"));
  EXPECT_EQ(window.ListItems().size(), 2u);

  // The folder dialog opens with its caption, and a cancel still drops one
  // trailing backslash.
  window.SetDirText(first + "\\");
  ASSERT_TRUE(window.PressAsync(L"..."));
  const HWND dialog = program.WaitForDialog(10000);
  ASSERT_NE(dialog, nullptr) << "no folder dialog";
  wchar_t caption[64] = {};
  GetWindowTextW(dialog, caption, 64);
  EXPECT_STREQ(caption, L"ディレクトリの選択");
  // No box to type a folder into.
  EXPECT_EQ(FindWindowExW(dialog, nullptr, L"Edit", nullptr), nullptr);
  SaveScreenshot(dialog, OutputFolder() + "\\folder-dialog.png");
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  for (int i = 0; i < 100 && IsWindow(dialog); ++i) Sleep(50);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(window.DirText(), first);

  EXPECT_TRUE(program.Close()) << program.Failure();
  EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// What a run leaves in the data folder, byte for byte, and what the next
// start makes of it.
TEST(DazovArProgram, SettingsAndHistorySurviveARestart) {
  TempFolder tree;
  test_support::WriteBytes(tree / "a.png", "png");
  TempFolder other;
  test_support::WriteBytes(other / "b.htm", "<html></html>");
  const std::string first = tree.path() < other.path() ? tree.path() : other.path();
  const std::string second = tree.path() < other.path() ? other.path() : tree.path();

  Program program(ProgramPath(), "e2e_restart");
  ASSERT_TRUE(program.Start()) << program.Failure();
  ProgramWindow& window = program.Window();
  window.SetDirText(second);
  ASSERT_TRUE(window.Press(L"作成(&M)"));
  window.SetDirText(first);
  ASSERT_TRUE(window.Press(L"作成(&M)"));
  ASSERT_TRUE(SetWindowPos(window.Handle(), nullptr, 40, 30, 500, 350, SWP_NOZORDER | SWP_NOACTIVATE));
  window.SetDirText(second);
  ASSERT_TRUE(program.Close()) << program.Failure();
  EXPECT_EQ(program.ExitCode(), 0u);

  EXPECT_EQ(test_support::ReadBytes(program.SettingsFile()),
            "[MySystem]\r\ntop=30\r\nleft=40\r\nHeight=350\r\nWidth=500\r\nDir=" + second + "\r\n");
  EXPECT_EQ(test_support::ReadBytes(program.HistoryFile()), first + "\r\n" + second + "\r\n");

  ASSERT_TRUE(program.Start()) << program.Failure();
  const RECT bounds = window.Bounds();
  EXPECT_EQ(bounds.left, 40);
  EXPECT_EQ(bounds.top, 30);
  EXPECT_EQ(bounds.right - bounds.left, 500);
  EXPECT_EQ(bounds.bottom - bounds.top, 350);
  EXPECT_EQ(window.DirText(), second);
  EXPECT_THAT(window.ListItems(), ElementsAre(first, second));
  ASSERT_TRUE(program.Close()) << program.Failure();
  EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
}  // namespace e2e
