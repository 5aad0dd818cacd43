#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/line_file.h"

namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string text;
  Lines expected;
};

class SplitLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, CutsWhereTheLinesEnd) {
  EXPECT_EQ(platform::SplitLines(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitLinesTest,
    ::testing::Values(
        SplitCase{"CrLf", "C:\\a\r\nC:\\b\r\n", {"C:\\a", "C:\\b"}},
        SplitCase{"LfOnly", "C:\\a\nC:\\b\n", {"C:\\a", "C:\\b"}},
        SplitCase{"CrOnly", "C:\\a\rC:\\b\r", {"C:\\a", "C:\\b"}},
        SplitCase{"LfCrIsTwoLineEnds", "C:\\a\n\rC:\\b\r\n", {"C:\\a", "", "C:\\b"}},
        SplitCase{"CrCrLf", "a\r\r\nb", {"a", "", "b"}},
        SplitCase{"Mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        SplitCase{"ZeroByteEndsTheText", std::string("a\r\nb\0c\r\nd\r\n", 11), {"a", "b"}},
        SplitCase{"ZeroByteRightAfterALineEnd", std::string("a\r\n\0b\r\n", 7), {"a"}},
        SplitCase{"ZeroByteFirst", std::string("\0a\r\n", 4), {}},
        SplitCase{"NoFinalLineEnd", "a\r\nb", {"a", "b"}},
        SplitCase{"OneLineNoLineEnd", "only", {"only"}},
        SplitCase{"EmptyFile", "", {}},
        SplitCase{"EmptyLinesKept", "\r\n\r\na\r\n\r\n", {"", "", "a", ""}},
        SplitCase{"LoneLineEnd", "\n", {""}},
        SplitCase{"DoubleByteBytesUntouched", "\x95\x5C\x8E\xA6\r\n", {"\x95\x5C\x8E\xA6"}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(JoinLinesTest, EveryLineEndsWithCrLf) {
  EXPECT_EQ(platform::JoinLines({"C:\\a", "", "C:\\b"}), "C:\\a\r\n\r\nC:\\b\r\n");
  EXPECT_EQ(platform::JoinLines({""}), "\r\n");
  EXPECT_EQ(platform::JoinLines({}), "");
}

TEST(JoinLinesTest, SplitGivesTheLinesBack) {
  const Lines lines = {"C:\\x y", "", "D:\\\x95\x5C", "\\\\server\\share"};
  EXPECT_EQ(platform::SplitLines(platform::JoinLines(lines)), lines);
}

}  // namespace
