// The pages the walk writes into real folders, byte for byte.
#include <gtest/gtest.h>

#include "indexer/make_index_page.h"
#include "tests/indexer/walk_fixture.h"
#include "tests/support/temp_tree.h"

namespace {

using test_support::Exists;
using test_support::MakeFolder;
using test_support::ReadBytes;
using test_support::TempFolder;
using test_support::WriteBytes;
using walk_fixture::Page;
using walk_fixture::Walk;

std::string PageIn(const std::string& folder) {
  return ReadBytes(folder + SEP "RevavE.html").value_or("<no page>");
}

TEST(PageBytes, ImageOnlyFolderHasExactlyElevenLines) {
  TempFolder root;
  WriteBytes(root / "photo.jpg", "x");

  EXPECT_TRUE(Walk(root.path()));

  const std::string expected =
      "<HTML><HEAD><TITLE>\r\n" + root.path() +
      "\r\n"
      "</TITLE></HEAD><BODY>\r\n"
      "<FONT SIZE=6><B>" +
      root.path() +
      "</B></FONT><BR>\r\n"
      "<FONT SIZE=4>\r\n"
      "<A HREF=\".." SEP "RevavE.html\">\x81\x83\x88\xEA\x82\xC2\x8F\xE3\x82\xCC\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x84"
      "</A>/\r\n"
      "\r\n"
      "<BR><BR>\r\n"
      "<A HREF=\"photo.jpg\"><IMG SRC=\"photo.jpg\"></A>\r\n"
      "\r\n"
      "</FONT></BODY></HTML>\r\n";
  const std::string page = PageIn(root.path());
  EXPECT_EQ(page, expected);
  EXPECT_EQ(std::count(page.begin(), page.end(), '\n'), 11);
  EXPECT_NE(page.substr(0, 3), "\xEF\xBB\xBF");
}

TEST(PageBytes, ChainOfThreeFoldersLinksDownToTheImage) {
  TempFolder root;
  const std::string middle = root / "middle";
  const std::string inner = middle + SEP "inner";
  MakeFolder(middle);
  MakeFolder(inner);
  WriteBytes(inner + SEP "pic.png", "x");

  EXPECT_TRUE(Walk(root.path()));

  EXPECT_EQ(PageIn(inner), Page(inner, "", "<A HREF=\"pic.png\"><IMG SRC=\"pic.png\"></A>\r\n"));
  EXPECT_EQ(PageIn(middle), Page(middle, "<A HREF=\"inner" SEP "RevavE.html\">inner</A>/\r\n", ""));
  EXPECT_EQ(PageIn(root.path()), Page(root.path(), "<A HREF=\"middle" SEP "RevavE.html\">middle</A>/\r\n", ""));
}

TEST(PageBytes, DocumentsComeBeforeImagesEachInSearchOrder) {
  TempFolder root;
  for (const char* name : {"b.png", "a.htm", "d.gif", "c.html", "e.txt"}) WriteBytes(root / name, "x");
  MakeFolder(root / "z");
  WriteBytes(root / "z" + SEP "i.bmp", "x");
  MakeFolder(root / "y");  // nothing to show: not linked

  EXPECT_TRUE(Walk(root.path()));

  EXPECT_EQ(PageIn(root.path()), Page(root.path(), "<A HREF=\"z" SEP "RevavE.html\">z</A>/\r\n",
                                      "<A HREF=\"a.htm\">a.htm</A><BR>\r\n"
                                      "<A HREF=\"c.html\">c.html</A><BR>\r\n"
                                      "<A HREF=\"b.png\"><IMG SRC=\"b.png\"></A>\r\n"
                                      "<A HREF=\"d.gif\"><IMG SRC=\"d.gif\"></A>\r\n"));
  EXPECT_FALSE(Exists(root / "y" + SEP "RevavE.html"));
}

TEST(PageBytes, ExtensionsCountByTheLastDotInAnyLetterCase) {
  TempFolder root;
  for (const char* name : {".png", "a.JPG", "b.Jpeg", "c.", "d.old.gif", "e.htm.bak", "f.jfif", "g.tif", "h.ico",
                           "i.shtml", "j.xhtml", "k.HtM", "l.bmp", "m.jpe", "noext"}) {
    WriteBytes(root / name, "x");
  }
  MakeFolder(root / "n.jpg");  // a folder, walked as one; empty, so not linked

  EXPECT_TRUE(Walk(root.path()));

  EXPECT_EQ(PageIn(root.path()), Page(root.path(), "",
                                      "<A HREF=\"k.HtM\">k.HtM</A><BR>\r\n"
                                      "<A HREF=\".png\"><IMG SRC=\".png\"></A>\r\n"
                                      "<A HREF=\"a.JPG\"><IMG SRC=\"a.JPG\"></A>\r\n"
                                      "<A HREF=\"b.Jpeg\"><IMG SRC=\"b.Jpeg\"></A>\r\n"
                                      "<A HREF=\"d.old.gif\"><IMG SRC=\"d.old.gif\"></A>\r\n"
                                      "<A HREF=\"l.bmp\"><IMG SRC=\"l.bmp\"></A>\r\n"
                                      "<A HREF=\"m.jpe\"><IMG SRC=\"m.jpe\"></A>\r\n"));
}

TEST(PageBytes, HiddenAndSystemEntriesCountLikeAnyOther) {
  TempFolder root;
  WriteBytes(root / "hidden.gif", "x");
  test_support::SetHiddenAndSystem(root / "hidden.gif");
  MakeFolder(root / "secret");
  WriteBytes(root / "secret" + SEP "s.htm", "x");
  test_support::SetHiddenAndSystem(root / "secret");

  EXPECT_TRUE(Walk(root.path()));

  EXPECT_EQ(PageIn(root.path()), Page(root.path(), "<A HREF=\"secret" SEP "RevavE.html\">secret</A>/\r\n",
                                      "<A HREF=\"hidden.gif\"><IMG SRC=\"hidden.gif\"></A>\r\n"));
}

TEST(PageBytes, PageNameInOtherLetterCaseIsADocument) {
  TempFolder root;
  WriteBytes(root / "revave.html", "mine");
  WriteBytes(root / "x.png", "x");

  EXPECT_TRUE(Walk(root.path()));

  // Where names match without letter case (Windows) the page is written over
  // that file, which keeps its own letter case and links to itself.
  EXPECT_EQ(PageIn(root.path()), Page(root.path(), "",
                                      "<A HREF=\"revave.html\">revave.html</A><BR>\r\n"
                                      "<A HREF=\"x.png\"><IMG SRC=\"x.png\"></A>\r\n"));
#ifdef _WIN32
  std::vector<platform::FolderEntry> entries;
  platform::ListFolder(root.path(), entries);
  for (const auto& entry : entries) EXPECT_NE(entry.name, "RevavE.html");
#endif
}

TEST(PageBytes, SpecialNamesAreEscapedOnlyWhereTheyWouldBreakTheLink) {
  TempFolder root;
  const std::string kPhoto = "\x8E\xCA\x90\x5E.jpg";  // 写真.jpg
  const std::string kTable = "\x95\x5C";               // 表: its second byte is "\"
  for (const std::string& name : {std::string("#1.jpg"), std::string("100%.png"), std::string("a b.htm"),
                                  std::string("R&D's.htm"), kPhoto, kTable + ".png"}) {
    WriteBytes(root / name, "x");
  }
  MakeFolder(root / kTable);
  WriteBytes(root / kTable + SEP "in.gif", "x");
  MakeFolder(root / "A&B #2");
  WriteBytes(root / "A&B #2" + SEP "in.gif", "x");

  EXPECT_TRUE(Walk(root.path()));

  EXPECT_EQ(PageIn(root.path()),
            Page(root.path(),
                 "<A HREF=\"A&amp;B %232" SEP "RevavE.html\">A&amp;B #2</A>/\r\n"
                 "<A HREF=\"" + kTable + SEP "RevavE.html\">" + kTable + "</A>/\r\n",
                 "<A HREF=\"a b.htm\">a b.htm</A><BR>\r\n"
                 "<A HREF=\"R&amp;D's.htm\">R&amp;D's.htm</A><BR>\r\n"
                 "<A HREF=\"%231.jpg\"><IMG SRC=\"%231.jpg\"></A>\r\n"
                 "<A HREF=\"100%25.png\"><IMG SRC=\"100%25.png\"></A>\r\n"
                 "<A HREF=\"" + kPhoto + "\"><IMG SRC=\"" + kPhoto + "\"></A>\r\n"
                 "<A HREF=\"" + kTable + ".png\"><IMG SRC=\"" + kTable + ".png\"></A>\r\n"));
  EXPECT_EQ(PageIn(root / "A&B #2"), Page(root / "A&amp;B #2", "", "<A HREF=\"in.gif\"><IMG SRC=\"in.gif\"></A>\r\n"));
  EXPECT_EQ(PageIn(root / kTable), Page(root / kTable, "", "<A HREF=\"in.gif\"><IMG SRC=\"in.gif\"></A>\r\n"));
}

#ifndef _WIN32
// Only a POSIX name can hold these; none of them may add markup to the page.
TEST(PageBytes, MarkupCharactersInPosixNamesStayText) {
  TempFolder root;
  WriteBytes(root / "<b>\"q\"?.png", "x");

  EXPECT_TRUE(Walk(root.path()));

  EXPECT_EQ(PageIn(root.path()),
            Page(root.path(), "", "<A HREF=\"&lt;b&gt;&quot;q&quot;%3F.png\"><IMG SRC=\"&lt;b&gt;&quot;q&quot;%3F.png\"></A>\r\n"));
}
#endif

TEST(PageBytes, TrailingSeparatorIsKeptAndDoubledBelow) {
  TempFolder root;
  MakeFolder(root / "sub");
  WriteBytes(root / "sub" + SEP "a.gif", "x");
  const std::string top = root.path() + SEP;

  EXPECT_TRUE(Walk(top));

  EXPECT_EQ(PageIn(root.path()), Page(top, "<A HREF=\"sub" SEP "RevavE.html\">sub</A>/\r\n", ""));
  EXPECT_EQ(PageIn(root / "sub"), Page(top + SEP "sub", "", "<A HREF=\"a.gif\"><IMG SRC=\"a.gif\"></A>\r\n"));
}

TEST(PageBytes, SecondRunOverAnUnchangedTreeWritesTheSameBytes) {
  TempFolder root;
  MakeFolder(root / "s");
  for (const char* name : {"a.htm", "b.jpg", "s" SEP "c.png", "s" SEP "d.html"}) WriteBytes(root / name, "x");

  ASSERT_TRUE(Walk(root.path()));
  const std::string top = PageIn(root.path());
  const std::string sub = PageIn(root / "s");
  ASSERT_TRUE(Walk(root.path()));

  EXPECT_EQ(PageIn(root.path()), top);
  EXPECT_EQ(PageIn(root / "s"), sub);
}

// Folders with nothing to show: no page anywhere, false, nothing raised.
enum class Shape { kEmpty, kOnlyAnOldPage, kEmptySubfolders, kMissing, kAFile };

class NothingToShow : public testing::TestWithParam<Shape> {};

TEST_P(NothingToShow, WritesNoPageAndAnswersFalse) {
  TempFolder root;
  std::string path = root / "top";
  switch (GetParam()) {
    case Shape::kEmpty: MakeFolder(path); break;
    case Shape::kOnlyAnOldPage:
      MakeFolder(path);
      WriteBytes(path + SEP "RevavE.html", "old page");
      WriteBytes(path + SEP "notes.txt", "x");
      break;
    case Shape::kEmptySubfolders:
      MakeFolder(path);
      MakeFolder(path + SEP "a");
      MakeFolder(path + SEP "a" SEP "b");
      MakeFolder(path + SEP "c.jpg");
      break;
    case Shape::kMissing: path = root / "missing" + SEP "deeper"; break;
    case Shape::kAFile: WriteBytes(path, "a file"); break;
  }

  EXPECT_FALSE(Walk(path));

  if (GetParam() == Shape::kOnlyAnOldPage) {
    EXPECT_EQ(PageIn(path), "old page");
  } else {
    for (const std::string& folder : {path, path + SEP "a", path + SEP "a" SEP "b", path + SEP "c.jpg"}) {
      EXPECT_FALSE(Exists(folder + SEP "RevavE.html")) << folder;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, NothingToShow,
                         testing::Values(Shape::kEmpty, Shape::kOnlyAnOldPage, Shape::kEmptySubfolders,
                                         Shape::kMissing, Shape::kAFile));

TEST(PageBytes, FolderWithOnlyAnOldPageIsNotLinkedFromItsParent) {
  TempFolder root;
  MakeFolder(root / "stale");
  WriteBytes(root / "stale" + SEP "RevavE.html", "old page");
  WriteBytes(root / "x.htm", "x");

  EXPECT_TRUE(Walk(root.path()));

  EXPECT_EQ(PageIn(root.path()), Page(root.path(), "", "<A HREF=\"x.htm\">x.htm</A><BR>\r\n"));
  EXPECT_EQ(PageIn(root / "stale"), "old page");
}

}  // namespace

#ifdef _WIN32
#include <windows.h>

namespace {
// The byte expectations above assume a Japanese Windows.
TEST(Environment, AnsiCodePageIs932) { EXPECT_EQ(GetACP(), 932u); }
}  // namespace
#endif
