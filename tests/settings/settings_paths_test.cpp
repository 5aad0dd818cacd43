#include <gtest/gtest.h>

#include <string>

#include "app/settings/settings_paths.h"

namespace {

using platform::IsCp932LeadByte;

// "表" in code page 932: its second byte is the backslash byte.
const std::string kHyo = "\x95\x5C";
// "ソ" in code page 932, the same trap.
const std::string kSo = "\x83\x5C";

bool NoLeadBytes(unsigned char) { return false; }

TEST(Cp932LeadByteTest, RangesAreExact) {
  for (int byte = 0; byte < 256; ++byte) {
    bool expected = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    EXPECT_EQ(IsCp932LeadByte(static_cast<unsigned char>(byte)), expected) << byte;
  }
}

struct ParentCase {
  const char* name;
  std::string path;
  std::string parent;
};

class ParentFolderTest : public ::testing::TestWithParam<ParentCase> {};

TEST_P(ParentFolderTest, TakesTheFolderAbove) {
  EXPECT_EQ(settings::ParentFolder(GetParam().path, IsCp932LeadByte), GetParam().parent);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ParentFolderTest,
    ::testing::Values(
        ParentCase{"Ordinary", "C:\\Users\\taro\\AppData\\Roaming\\Microsoft\\Windows\\Recent",
                   "C:\\Users\\taro\\AppData\\Roaming\\Microsoft\\Windows"},
        ParentCase{"XpProfile", "C:\\Documents and Settings\\taro\\Recent", "C:\\Documents and Settings\\taro"},
        ParentCase{"DriveRootChild", "D:\\Recent", "D:\\"},
        ParentCase{"DriveRootItself", "D:\\", "D:\\"},
        ParentCase{"TrailingBackslash", "C:\\a\\b\\", "C:\\a\\b"},
        ParentCase{"DoubledBackslashKept", "C:\\a\\\\b", "C:\\a\\\\"},
        ParentCase{"LeadingBackslashKept", "\\Recent", "\\"},
        ParentCase{"UncShare", "\\\\server\\share\\Recent", "\\\\server\\share"},
        ParentCase{"UncServerRoot", "\\\\server", "\\\\"},
        ParentCase{"DriveRelative", "C:Recent", "C:"},
        ParentCase{"NoSeparator", "Recent", ""},
        ParentCase{"Empty", "", ""},
        ParentCase{"DoubleByteNameIsNoSeparator", "C:\\x\\" + kHyo + "\\Recent", "C:\\x\\" + kHyo},
        ParentCase{"DoubleByteNameAtTheEnd", "C:\\x\\" + kHyo, "C:\\x"},
        ParentCase{"DoubleByteBeforeLastBackslash", "C:\\" + kSo + kHyo + "\\", "C:\\" + kSo + kHyo},
        ParentCase{"OnlyDoubleBytes", kHyo + kSo, ""},
        ParentCase{"LoneLeadByteAtTheEnd", "C:\\a\\\x95", "C:\\a"}),
    [](const ::testing::TestParamInfo<ParentCase>& info) { return std::string(info.param.name); });

TEST(ParentFolderTest, SecondByteCountsWhenTheCallerSaysSingleBytes) {
  // The predicate decides: the same bytes read as single-byte characters
  // hold a backslash.
  EXPECT_EQ(settings::ParentFolder("C:\\x\\" + kHyo, NoLeadBytes), "C:\\x\\\x95");
}

TEST(DataDirBesideTest, JoinsZuzira) {
  EXPECT_EQ(settings::DataDirBeside("C:\\Users\\taro\\Recent", IsCp932LeadByte), "C:\\Users\\taro\\Zuzira\\");
  EXPECT_EQ(settings::DataDirBeside("D:\\Recent", IsCp932LeadByte), "D:\\\\Zuzira\\");
  EXPECT_EQ(settings::DataDirBeside("Recent", IsCp932LeadByte), "\\Zuzira\\");
  EXPECT_EQ(settings::DataDirBeside("C:\\" + kHyo + "\\Recent", IsCp932LeadByte), "C:\\" + kHyo + "\\Zuzira\\");
}

TEST(DataDirUnderTest, TakesTheParentAsItIs) {
  EXPECT_EQ(settings::DataDirUnder("C:\\Users\\taro\\AppData\\Roaming"), "C:\\Users\\taro\\AppData\\Roaming\\Zuzira\\");
}

struct ExeNameCase {
  const char* name;
  std::string exe_path;
  std::string ini;
  std::string history;
};

class FileNameWithExtensionTest : public ::testing::TestWithParam<ExeNameCase> {};

TEST_P(FileNameWithExtensionTest, NamesBothFilesAfterTheExe) {
  EXPECT_EQ(settings::FileNameWithExtension(GetParam().exe_path, ".ini", IsCp932LeadByte), GetParam().ini);
  EXPECT_EQ(settings::FileNameWithExtension(GetParam().exe_path, ".dl", IsCp932LeadByte), GetParam().history);
}

INSTANTIATE_TEST_SUITE_P(
    ExePaths, FileNameWithExtensionTest,
    ::testing::Values(
        ExeNameCase{"Ordinary", "C:\\Program Files\\Tools\\DazovAR.exe", "DazovAR.ini", "DazovAR.dl"},
        ExeNameCase{"Renamed", "C:\\t\\Copy of DazovAR.EXE", "Copy of DazovAR.ini", "Copy of DazovAR.dl"},
        ExeNameCase{"LastDotOnly", "C:\\t\\my.tool.exe", "my.tool.ini", "my.tool.dl"},
        ExeNameCase{"DotInFolderOnly", "C:\\v1.2\\tool", "tool.ini", "tool.dl"},
        ExeNameCase{"NoDot", "C:\\t\\tool", "tool.ini", "tool.dl"},
        ExeNameCase{"TrailingDot", "C:\\t\\tool.", "tool.ini", "tool.dl"},
        ExeNameCase{"DotFirst", "C:\\t\\.exe", ".ini", ".dl"},
        ExeNameCase{"AfterColon", "C:tool.exe", "tool.ini", "tool.dl"},
        ExeNameCase{"NoFolder", "tool.exe", "tool.ini", "tool.dl"},
        ExeNameCase{"DoubleByteName", "C:\\t\\" + kHyo + kSo + ".exe", kHyo + kSo + ".ini", kHyo + kSo + ".dl"},
        ExeNameCase{"DoubleByteFolder", "C:\\" + kHyo + "\\a.exe", "a.ini", "a.dl"}),
    [](const ::testing::TestParamInfo<ExeNameCase>& info) { return std::string(info.param.name); });

}  // namespace
