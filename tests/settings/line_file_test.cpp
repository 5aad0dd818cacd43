#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/in_out_error.h"
#include "platform/line_file.h"
#include "tests/support/temp_tree.h"

namespace {

using Lines = std::vector<std::string>;
using test_support::ReadBytes;
using test_support::TempFolder;
using test_support::WriteBytes;

TEST(LineFileTest, SaveThenLoadGivesTheSameLines) {
  TempFolder folder;
  const std::string path = folder / "DazovAR.dl";
  // The order is the caller's: the file keeps it as given, sorted or not.
  const Lines lines = {"D:\\pages", "", "C:\\a b\\c", "C:\\\x95\x5C\x8E\xA6", "C:\\a b\\c"};
  platform::SaveLines(path, lines);
  EXPECT_EQ(ReadBytes(path), std::string("D:\\pages\r\n\r\nC:\\a b\\c\r\nC:\\\x95\x5C\x8E\xA6\r\nC:\\a b\\c\r\n"));
  Lines loaded = {"left over"};
  ASSERT_TRUE(platform::LoadLines(path, loaded));
  EXPECT_EQ(loaded, lines);
}

TEST(LineFileTest, EmptyListGivesAnEmptyFile) {
  TempFolder folder;
  const std::string path = folder / "DazovAR.dl";
  WriteBytes(path, "C:\\old\r\nC:\\older\r\n");
  platform::SaveLines(path, {});
  EXPECT_EQ(ReadBytes(path), std::string());
  Lines loaded = {"left over"};
  ASSERT_TRUE(platform::LoadLines(path, loaded));
  EXPECT_TRUE(loaded.empty());
}

TEST(LineFileTest, SaveReplacesALongerFile) {
  TempFolder folder;
  const std::string path = folder / "DazovAR.dl";
  WriteBytes(path, std::string(10000, 'x'));
  platform::SaveLines(path, {"C:\\a"});
  EXPECT_EQ(ReadBytes(path), std::string("C:\\a\r\n"));
}

TEST(LineFileTest, LoadsEveryKindOfLineEnd) {
  TempFolder folder;
  const std::string path = folder / "DazovAR.dl";
  const char bytes[] = "C:\\a\nC:\\b\rC:\\c\n\rC:\\d\r\nC:\\e\0C:\\f\r\n";
  WriteBytes(path, std::string(bytes, sizeof bytes - 1));
  Lines loaded;
  ASSERT_TRUE(platform::LoadLines(path, loaded));
  EXPECT_EQ(loaded, (Lines{"C:\\a", "C:\\b", "C:\\c", "", "C:\\d", "C:\\e"}));
}

TEST(LineFileTest, LoadsALargeFileWhole) {
  TempFolder folder;
  const std::string path = folder / "DazovAR.dl";
  Lines lines;
  for (int i = 0; i < 3000; ++i) lines.push_back("C:\\folder\\" + std::string(static_cast<std::size_t>(i % 200), 'a') + std::to_string(i));
  platform::SaveLines(path, lines);
  Lines loaded;
  ASSERT_TRUE(platform::LoadLines(path, loaded));
  EXPECT_EQ(loaded, lines);
}

TEST(LineFileTest, UnopenableFileIsNotLoadedAndTheLinesStay) {
  TempFolder folder;
  Lines loaded = {"kept"};
  EXPECT_FALSE(platform::LoadLines(folder / "missing.dl", loaded));
  EXPECT_FALSE(platform::LoadLines(test_support::Join(folder / "no folder", "x.dl"), loaded));
  test_support::MakeFolder(folder / "folder.dl");
  EXPECT_FALSE(platform::LoadLines(folder / "folder.dl", loaded));
  EXPECT_EQ(loaded, (Lines{"kept"}));
}

TEST(LineFileTest, SaveIntoAMissingFolderRaises) {
  TempFolder folder;
  const std::string path = test_support::Join(folder / "missing", "x.dl");
  EXPECT_THROW(platform::SaveLines(path, {"C:\\a"}), platform::EInOutError);
  EXPECT_FALSE(test_support::Exists(path));
}

TEST(LineFileTest, SaveOverAFolderRaises) {
  TempFolder folder;
  test_support::MakeFolder(folder / "taken.dl");
  EXPECT_THROW(platform::SaveLines(folder / "taken.dl", {"C:\\a"}), platform::EInOutError);
}

TEST(LineFileTest, SaveOverReadOnlyFileRefused) {
  if (!test_support::ReadOnlyIsEnforced()) GTEST_SKIP() << "the system lets this user overwrite read-only files";
  TempFolder folder;
  const std::string path = folder / "DazovAR.dl";
  WriteBytes(path, "C:\\old\r\n");
  test_support::SetReadOnly(path, true);
  EXPECT_THROW(platform::SaveLines(path, {"C:\\new"}), platform::EInOutError);
  test_support::SetReadOnly(path, false);
  EXPECT_EQ(ReadBytes(path), std::string("C:\\old\r\n"));
}

}  // namespace
