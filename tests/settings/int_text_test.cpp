#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/int_text.h"

namespace {

struct ParseCase {
  const char* text;
  std::optional<std::int32_t> expected;
};

class ParseIntegerTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntegerTest, ReadsOrRefuses) {
  const ParseCase& c = GetParam();
  EXPECT_EQ(platform::ParseInteger(c.text), c.expected) << "text: [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ParseIntegerTest,
    ::testing::Values(ParseCase{"-20", -20}, ParseCase{"+5", 5}, ParseCase{"007", 7}, ParseCase{"0", 0},
                      ParseCase{"-0", 0}, ParseCase{"2147483647", 2147483647},
                      ParseCase{"-2147483648", -2147483647 - 1}, ParseCase{"000000000000000012", 12},
                      ParseCase{"2147483648", std::nullopt}, ParseCase{"-2147483649", std::nullopt},
                      ParseCase{"99999999999999999999999", std::nullopt}, ParseCase{"12px", std::nullopt},
                      ParseCase{"1F", std::nullopt}, ParseCase{"+", std::nullopt}, ParseCase{"-", std::nullopt},
                      ParseCase{"+-1", std::nullopt}, ParseCase{"1 ", std::nullopt},
                      ParseCase{"1.5", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ParseIntegerTest,
    ::testing::Values(ParseCase{"0x1F", 31}, ParseCase{"0X1F", 31}, ParseCase{"$1F", 31}, ParseCase{"x1F", 31},
                      ParseCase{"X1f", 31}, ParseCase{"$ff", 255}, ParseCase{"$FFFFFFFF", -1},
                      ParseCase{"$80000000", -2147483647 - 1}, ParseCase{"$7FFFFFFF", 2147483647},
                      ParseCase{"$00000000FFFFFFFF", -1}, ParseCase{"$100000000", std::nullopt},
                      ParseCase{"-$10", std::nullopt}, ParseCase{"-0x10", std::nullopt},
                      ParseCase{"+$10", std::nullopt}, ParseCase{"0x", std::nullopt}, ParseCase{"$", std::nullopt},
                      ParseCase{"x", std::nullopt}, ParseCase{"$1G", std::nullopt},
                      ParseCase{"0x0x1", std::nullopt}, ParseCase{"$ 1", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Blanks, ParseIntegerTest,
    ::testing::Values(ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt}, ParseCase{"  42", 42},
                      ParseCase{"   -7", -7}, ParseCase{"  $10", 16}, ParseCase{"\t42", std::nullopt},
                      ParseCase{" \t42", std::nullopt}, ParseCase{"- 1", std::nullopt}));

TEST(IntegerOrTest, FallsBackOnlyWhenTheTextIsNoInteger) {
  EXPECT_EQ(platform::IntegerOr("12px", 400), 400);
  EXPECT_EQ(platform::IntegerOr("", 600), 600);
  EXPECT_EQ(platform::IntegerOr("0", 600), 0);
  EXPECT_EQ(platform::IntegerOr("$FFFFFFFF", 5), -1);
}

TEST(IntegerTextTest, WritesPlainDecimal) {
  EXPECT_EQ(platform::IntegerText(0), "0");
  EXPECT_EQ(platform::IntegerText(400), "400");
  EXPECT_EQ(platform::IntegerText(-32000), "-32000");
  EXPECT_EQ(platform::IntegerText(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(platform::IntegerText(2147483647), "2147483647");
}

}  // namespace
