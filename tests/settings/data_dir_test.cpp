#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/settings/data_dir.h"
#include "app/settings/settings_paths.h"
#include "platform/ansi_text.h"
#include "tests/support/temp_tree.h"

namespace {

using settings::FolderSource;
using settings::PrepareDataDir;
using test_support::TempFolder;

FolderSource RecentAt(const std::string& recent) {
  return FolderSource{[recent] { return std::optional<std::string>(recent); },
                      [] { return std::optional<std::string>("C:\\must-not-be-used"); }};
}

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(DataDirTest, CreatedBesideTheRecentFolder) {
  TempFolder folder;
  test_support::MakeFolder(folder / "Recent");
  const std::string data_dir = PrepareDataDir(RecentAt(folder / "Recent"));
  EXPECT_EQ(data_dir, folder.path() + "\\Zuzira\\");
  EXPECT_TRUE(IsFolder(folder / "Zuzira"));
}

TEST(DataDirTest, RecentFolderNeedNotExist) {
  TempFolder folder;
  EXPECT_EQ(PrepareDataDir(RecentAt(folder / "Recent")), folder.path() + "\\Zuzira\\");
  EXPECT_TRUE(IsFolder(folder / "Zuzira"));
}

TEST(DataDirTest, ExistingFolderIsKeptAsItIs) {
  TempFolder folder;
  test_support::MakeFolder(folder / "Zuzira");
  test_support::WriteBytes(test_support::Join(folder / "Zuzira", "DazovAR.dl"), "C:\\a\r\n");
  EXPECT_EQ(PrepareDataDir(RecentAt(folder / "Recent")), folder.path() + "\\Zuzira\\");
  EXPECT_EQ(test_support::ReadBytes(test_support::Join(folder / "Zuzira", "DazovAR.dl")), std::string("C:\\a\r\n"));
}

TEST(DataDirTest, MissingParentIsSwallowed) {
  TempFolder folder;
  SetLastError(ERROR_SUCCESS);
  const std::string data_dir = PrepareDataDir(RecentAt(test_support::Join(folder / "gone", "Recent")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(data_dir, folder.path() + "\\gone\\Zuzira\\");
  EXPECT_FALSE(test_support::Exists(folder / "gone"));
}

TEST(DataDirTest, FileOfThatNameIsSwallowed) {
  TempFolder folder;
  test_support::WriteBytes(folder / "Zuzira", "not a folder");
  EXPECT_EQ(PrepareDataDir(RecentAt(folder / "Recent")), folder.path() + "\\Zuzira\\");
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(test_support::ReadBytes(folder / "Zuzira"), std::string("not a folder"));
}

TEST(DataDirTest, DoubleByteFolderNameWithBackslashByte) {
  TempFolder folder;
  const std::string hyoji = folder / "\x95\x5C\x8E\xA6";  // 表示
  test_support::MakeFolder(hyoji);
  EXPECT_EQ(PrepareDataDir(RecentAt(test_support::Join(hyoji, "Recent"))), hyoji + "\\Zuzira\\");
  EXPECT_TRUE(IsFolder(test_support::Join(hyoji, "Zuzira")));
}

TEST(DataDirTest, FallbackWhenTheShellNamesNoFolder) {
  TempFolder folder;
  const std::string parent = folder.path();
  FolderSource source{[] { return std::optional<std::string>(); },
                      [parent] { return std::optional<std::string>(parent); }};
  EXPECT_EQ(PrepareDataDir(source), folder.path() + "\\Zuzira\\");
  EXPECT_TRUE(IsFolder(folder / "Zuzira"));
}

TEST(DataDirTest, ShellNamesTheRecentFolder) {
  const std::optional<std::string> recent = settings::ShellFolders().recent();
  ASSERT_TRUE(recent.has_value());
  EXPECT_FALSE(recent->empty());
  EXPECT_NE(recent->back(), '\\');
  const std::optional<std::string> fallback = settings::ShellFolders().fallback_parent();
  ASSERT_TRUE(fallback.has_value());
  EXPECT_TRUE(IsFolder(*fallback)) << *fallback;
}

TEST(DataDirTest, RunningExePathNamesThisTest) {
  const std::string exe = platform::ExecutablePath();
  ASSERT_GE(exe.size(), 4u);
  EXPECT_EQ(exe.substr(exe.size() - 4), ".exe");
}

TEST(AnsiLeadByteTest, MatchesCodePage932OnAJapaneseSystem) {
  if (GetACP() != 932) GTEST_SKIP() << "the system's ANSI code page is " << GetACP();
  for (int byte = 0; byte < 256; ++byte) {
    const auto b = static_cast<unsigned char>(byte);
    EXPECT_EQ(platform::IsAnsiLeadByte(b), platform::IsCp932LeadByte(b)) << byte;
  }
}

}  // namespace
