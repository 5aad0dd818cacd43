#include <gtest/gtest.h>

#include <string>

#include "platform/error_text.h"
#include "platform/trailing_backslash.h"

namespace {

struct StopCase {
  const char* name;
  std::string message;
  std::string shown;
};

class ErrorReportTextTest : public testing::TestWithParam<StopCase> {};

TEST_P(ErrorReportTextTest, AppendsStopOnlyAfterCharactersSortingAfterIt) {
  EXPECT_EQ(platform::ErrorReportText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ErrorReportTextTest,
    testing::Values(StopCase{"JapaneseLast", "ファイルへのアクセスが拒否されました", "ファイルへのアクセスが拒否されました."},
                    StopCase{"LetterLast", "Access denied", "Access denied."},
                    StopCase{"DigitLast", "I/O エラー 32", "I/O エラー 32."},
                    StopCase{"ParenthesisLast", "I/O エラー (32)", "I/O エラー (32)"},
                    StopCase{"StopLast", "終わり.", "終わり."},
                    StopCase{"Empty", "", ""},
                    StopCase{"SlashSortsAfterStop", "C:/", "C:/."},
                    StopCase{"CommaSortsBefore", "a,", "a,"},
                    StopCase{"BlankLast", "a ", "a "},
                    StopCase{"FullWidthStopIsACharacterToo", "終わり。", "終わり。."}),
    [](const testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

// The lead bytes of code page 932, so the rule is checked without Windows.
bool IsShiftJisLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

struct BackslashCase {
  const char* name;
  std::string text;
  std::string kept;
};

class DropTrailingBackslashTest : public testing::TestWithParam<BackslashCase> {};

TEST_P(DropTrailingBackslashTest, RemovesOneWholeBackslashCharacter) {
  EXPECT_EQ(platform::DropTrailingBackslash(GetParam().text, IsShiftJisLeadByte), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DropTrailingBackslashTest,
    testing::Values(BackslashCase{"DriveRoot", "C:\\", "C:"}, BackslashCase{"Folder", "C:\\data\\", "C:\\data"},
                    BackslashCase{"NoBackslash", "C:\\data", "C:\\data"},
                    BackslashCase{"OnlyOneGoes", "C:\\data\\\\", "C:\\data\\"},
                    BackslashCase{"LoneBackslash", "\\", ""}, BackslashCase{"Empty", "", ""},
                    // "表" is 95 5C: its second byte is no backslash.
                    BackslashCase{"EndsInHyou", "C:\\\x95\x5C", "C:\\\x95\x5C"},
                    BackslashCase{"HyouThenBackslash", "C:\\\x95\x5C\\", "C:\\\x95\x5C"},
                    BackslashCase{"TwoHyou", "\x95\x5C\x95\x5C", "\x95\x5C\x95\x5C"},
                    // A half-width katakana (single byte) before a backslash.
                    BackslashCase{"SingleByteKana", "\xB1\\", "\xB1"},
                    // A lead byte at the very end stands alone, so the
                    // backslash before it is not the last character.
                    BackslashCase{"DanglingLeadByte", "a\\\x95", "a\\\x95"}),
    [](const testing::TestParamInfo<BackslashCase>& info) { return std::string(info.param.name); });

}  // namespace
