#include "indexer/entry_kind.h"

#include <gtest/gtest.h>

#include "platform/ansi_text.h"

namespace {

using indexer::ClassifyFile;
using indexer::FileKind;

struct NameCase {
  const char* name;
  FileKind kind;
};

class ClassifyFileTest : public testing::TestWithParam<NameCase> {};

TEST_P(ClassifyFileTest, KindFollowsTheLastExtensionInAnyLetterCase) {
  EXPECT_EQ(ClassifyFile(GetParam().name, platform::UpperAnsi), GetParam().kind) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, ClassifyFileTest,
    testing::Values(
        NameCase{"a.jpg", FileKind::kImage}, NameCase{"a.Jpg", FileKind::kImage}, NameCase{"a.JPG", FileKind::kImage},
        NameCase{"a.jpe", FileKind::kImage}, NameCase{"a.jpeg", FileKind::kImage}, NameCase{"a.gif", FileKind::kImage},
        NameCase{"a.bmp", FileKind::kImage}, NameCase{"a.PnG", FileKind::kImage}, NameCase{".png", FileKind::kImage},
        NameCase{"photo.old.jpg", FileKind::kImage}, NameCase{"a.htm", FileKind::kDocument},
        NameCase{"a.Htm", FileKind::kDocument}, NameCase{"a.HTML", FileKind::kDocument},
        NameCase{".htm", FileKind::kDocument}, NameCase{"revave.html", FileKind::kDocument},
        NameCase{"REVAVE.HTML", FileKind::kDocument}, NameCase{"RevavE.htm", FileKind::kDocument},
        NameCase{"RevavE.html", FileKind::kOther}, NameCase{"page.htm.bak", FileKind::kOther},
        NameCase{"trailing.", FileKind::kOther}, NameCase{"noextension", FileKind::kOther},
        NameCase{"jpg", FileKind::kOther}, NameCase{"", FileKind::kOther}, NameCase{".", FileKind::kOther},
        NameCase{"a.jfif", FileKind::kOther}, NameCase{"a.tif", FileKind::kOther}, NameCase{"a.ico", FileKind::kOther},
        NameCase{"a.shtml", FileKind::kOther}, NameCase{"a.xhtml", FileKind::kOther},
        NameCase{"a.jpgx", FileKind::kOther}, NameCase{"a. jpg", FileKind::kOther},
        // A double-byte name is classified by its extension alone ("表.png").
        NameCase{"\x95\x5C.png", FileKind::kImage}, NameCase{"\x95\x5C", FileKind::kOther}));

TEST(ExtensionOf, IsEverythingFromTheLastDot) {
  EXPECT_EQ(indexer::ExtensionOf("a.b.c"), ".c");
  EXPECT_EQ(indexer::ExtensionOf("a."), ".");
  EXPECT_EQ(indexer::ExtensionOf("abc"), "");
  EXPECT_EQ(indexer::ExtensionOf(".png"), ".png");
}

}  // namespace
