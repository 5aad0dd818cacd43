#include <gtest/gtest.h>

#include <string>

#include "platform/in_out_error.h"
#include "platform/ini_file.h"
#include "tests/support/temp_tree.h"

namespace {

using platform::IniFile;
using test_support::ReadBytes;
using test_support::TempFolder;
using test_support::WriteBytes;

TEST(IniFileTest, MissingFileSectionOrKeyGivesTheFallback) {
  TempFolder folder;
  IniFile missing(folder / "missing.ini");
  EXPECT_EQ(missing.ReadString("MySystem", "Dir", "fallback"), "fallback");
  EXPECT_EQ(missing.ReadInteger("MySystem", "Height", 400), 400);
  EXPECT_FALSE(test_support::Exists(folder / "missing.ini"));

  WriteBytes(folder / "a.ini", "[Other]\r\nHeight=5\r\n[MySystem]\r\ntop=7\r\n");
  IniFile ini(folder / "a.ini");
  EXPECT_EQ(ini.ReadInteger("MySystem", "Height", 400), 400);
  EXPECT_EQ(ini.ReadInteger("Missing", "top", 3), 3);
  EXPECT_EQ(ini.ReadInteger("MySystem", "top", 0), 7);
}

TEST(IniFileTest, IntegersThatDoNotParseGiveTheFallback) {
  TempFolder folder;
  WriteBytes(folder / "a.ini",
             "[MySystem]\r\n"
             "a=-20\r\nb=+5\r\nc=007\r\nd=0x1F\r\ne=$FFFFFFFF\r\nf=12px\r\ng=\r\nh=2147483648\r\ni=-$10\r\nj=x1F\r\n");
  IniFile ini(folder / "a.ini");
  EXPECT_EQ(ini.ReadInteger("MySystem", "a", 1), -20);
  EXPECT_EQ(ini.ReadInteger("MySystem", "b", 1), 5);
  EXPECT_EQ(ini.ReadInteger("MySystem", "c", 1), 7);
  EXPECT_EQ(ini.ReadInteger("MySystem", "d", 1), 31);
  EXPECT_EQ(ini.ReadInteger("MySystem", "e", 1), -1);
  EXPECT_EQ(ini.ReadInteger("MySystem", "f", 1), 1);
  EXPECT_EQ(ini.ReadInteger("MySystem", "g", 1), 1);
  EXPECT_EQ(ini.ReadInteger("MySystem", "h", 1), 1);
  EXPECT_EQ(ini.ReadInteger("MySystem", "i", 1), 1);
  EXPECT_EQ(ini.ReadInteger("MySystem", "j", 1), 31);
}

TEST(IniFileTest, WritesKeysInOrderAndIntegersInDecimal) {
  TempFolder folder;
  IniFile ini(folder / "a.ini");
  ini.WriteInteger("MySystem", "top", -32000);
  ini.WriteInteger("MySystem", "left", 7);
  ini.WriteString("MySystem", "Dir", "C:\\\x95\x5C\x8E\xA6 x");
  EXPECT_EQ(ReadBytes(folder / "a.ini"), std::string("[MySystem]\r\ntop=-32000\r\nleft=7\r\nDir=C:\\\x95\x5C\x8E\xA6 x\r\n"));
  EXPECT_EQ(ini.ReadInteger("MySystem", "top", 0), -32000);
  EXPECT_EQ(ini.ReadString("MySystem", "Dir", ""), "C:\\\x95\x5C\x8E\xA6 x");
}

TEST(IniFileTest, WritingReplacesInPlaceAndLeavesTheRestAlone) {
  TempFolder folder;
  WriteBytes(folder / "a.ini", "[Before]\r\nx=1\r\n[MySystem]\r\nWidth=1\r\nextra=keep\r\n[After]\r\ny=2\r\n");
  IniFile ini(folder / "a.ini");
  ini.WriteInteger("MySystem", "Width", 640);
  ini.WriteInteger("MySystem", "top", 3);
  const std::string bytes = ReadBytes(folder / "a.ini").value_or("");
  // The replaced key stays before the untouched one; the new one comes
  // after both, inside its section.
  std::size_t width = bytes.find("Width=640\r\n");
  std::size_t extra = bytes.find("extra=keep\r\n");
  std::size_t top = bytes.find("top=3\r\n");
  std::size_t after = bytes.find("[After]");
  ASSERT_NE(width, std::string::npos) << bytes;
  ASSERT_NE(extra, std::string::npos) << bytes;
  ASSERT_NE(top, std::string::npos) << bytes;
  EXPECT_LT(width, extra);
  EXPECT_LT(extra, top);
  EXPECT_LT(top, after);
  EXPECT_EQ(bytes.find("Width=1\r\n"), std::string::npos);
  EXPECT_EQ(ini.ReadInteger("Before", "x", 0), 1);
  EXPECT_EQ(ini.ReadInteger("After", "y", 0), 2);
}

TEST(IniFileTest, EmptyValueKeepsTheKey) {
  TempFolder folder;
  WriteBytes(folder / "a.ini", "[MySystem]\r\nDir=C:\\old\r\n");
  IniFile ini(folder / "a.ini");
  ini.WriteString("MySystem", "Dir", "");
  EXPECT_EQ(ReadBytes(folder / "a.ini"), std::string("[MySystem]\r\nDir=\r\n"));
  EXPECT_EQ(ini.ReadString("MySystem", "Dir", "fallback"), "");
}

TEST(IniFileTest, LongValueComesBackCutTo2047Bytes) {
  TempFolder folder;
  IniFile ini(folder / "a.ini");
  std::string value = "C:\\";
  for (int i = 0; value.size() < 3000; ++i) value += static_cast<char>('a' + i % 26);
  ini.WriteString("MySystem", "Dir", value);
  EXPECT_NE(ReadBytes(folder / "a.ini").value_or("").find(value), std::string::npos);
  EXPECT_EQ(ini.ReadString("MySystem", "Dir", ""), value.substr(0, 2047));

  const std::string exact(2047, 'q');
  ini.WriteString("MySystem", "Dir", exact);
  EXPECT_EQ(ini.ReadString("MySystem", "Dir", ""), exact);
}

TEST(IniFileTest, LongDoubleByteValueComesBackAsItsFirstBytes) {
  TempFolder folder;
  IniFile ini(folder / "a.ini");
  std::string value = "C:\\";
  while (value.size() < 2100) value += "\x95\x5C\x8E\xA6\\";  // 表示\ again and again
  ini.WriteString("MySystem", "Dir", value);
  const std::string back = ini.ReadString("MySystem", "Dir", "");
  // Where a double-byte character straddles the limit the system decides;
  // never more than 2047 bytes, never other bytes.
  EXPECT_GE(back.size(), 2046u);
  EXPECT_LE(back.size(), 2047u);
  EXPECT_EQ(back, value.substr(0, back.size()));
}

TEST(IniFileTest, WriteIntoAMissingFolderRaisesWithThePath) {
  TempFolder folder;
  const std::string path = test_support::Join(folder / "gone", "DazovAR.ini");
  IniFile ini(path);
  try {
    ini.WriteInteger("MySystem", "top", 0);
    FAIL() << "no error";
  } catch (const platform::Exception& e) {
    EXPECT_EQ(e.Message(), path + " に書き込めません");
  }
}

TEST(IniFileTest, WriteOverReadOnlyFileRefused) {
  if (!test_support::ReadOnlyIsEnforced()) GTEST_SKIP() << "the system lets this user overwrite read-only files";
  TempFolder folder;
  const std::string path = folder / "DazovAR.ini";
  WriteBytes(path, "[MySystem]\r\ntop=5\r\n");
  test_support::SetReadOnly(path, true);
  IniFile ini(path);
  try {
    ini.WriteInteger("MySystem", "top", 9);
    ADD_FAILURE() << "no error";
  } catch (const platform::Exception& e) {
    EXPECT_EQ(e.Message(), path + " に書き込めません");
  }
  test_support::SetReadOnly(path, false);
  EXPECT_EQ(ReadBytes(path), std::string("[MySystem]\r\ntop=5\r\n"));
}

TEST(CannotWriteMessageTest, PathComesOverFromTheAnsiCodePage) {
  // Under code page 932 these bytes are 表示.
  EXPECT_EQ(platform::CannotWriteMessage("C:\\\x95\x5C\x8E\xA6\\DazovAR.ini"), "C:\\表示\\DazovAR.ini に書き込めません");
  EXPECT_EQ(platform::CannotWriteMessage(""), " に書き込めません");
}

}  // namespace
