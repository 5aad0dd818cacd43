#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings/window_settings.h"
#include "platform/in_out_error.h"
#include "tests/support/temp_tree.h"

namespace {

using settings::SavedWindow;
using settings::SettingsStore;
using settings::WindowBounds;
using test_support::ReadBytes;
using test_support::TempFolder;
using test_support::WriteBytes;
using Lines = std::vector<std::string>;

const char kExe[] = "C:\\Program Files\\Tools\\DazovAR.exe";

std::string DataDir(const TempFolder& folder) { return folder.path() + "\\"; }

TEST(SettingsStoreTest, FilesAreNamedAfterTheExe) {
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  EXPECT_EQ(store.IniPath(), folder / "DazovAR.ini");
  EXPECT_EQ(store.HistoryPath(), folder / "DazovAR.dl");
  SettingsStore renamed(DataDir(folder), "C:\\t\\\x95\x5C\x8E\xA6.exe");
  EXPECT_EQ(renamed.IniPath(), folder / "\x95\x5C\x8E\xA6.ini");
  EXPECT_EQ(renamed.HistoryPath(), folder / "\x95\x5C\x8E\xA6.dl");
}

TEST(SettingsStoreTest, FirstRunReadsDefaultsAndCreatesNothing) {
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  const SavedWindow saved = store.Read();
  EXPECT_EQ(saved.bounds, (WindowBounds{0, 0, 600, 400}));
  EXPECT_EQ(saved.dir, "");
  EXPECT_FALSE(test_support::Exists(store.IniPath()));
  Lines lines = {"kept"};
  EXPECT_FALSE(store.LoadHistory(lines));
  EXPECT_EQ(lines, (Lines{"kept"}));
}

TEST(SettingsStoreTest, FirstCloseWritesTheKeysInOrder) {
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  store.Write(store.Read());
  store.SaveHistory({});
  EXPECT_EQ(ReadBytes(store.IniPath()),
            std::string("[MySystem]\r\ntop=0\r\nleft=0\r\nHeight=400\r\nWidth=600\r\nDir=\r\n"));
  EXPECT_EQ(ReadBytes(store.HistoryPath()), std::string());
}

TEST(SettingsStoreTest, WrittenValuesComeBack) {
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  const SavedWindow window{WindowBounds{-8, -32000, 1036, 788}, "D:\\\x95\x5C\x8E\xA6\\"};
  store.Write(window);
  const SavedWindow back = store.Read();
  EXPECT_EQ(back.bounds, window.bounds);
  EXPECT_EQ(back.dir, window.dir);
  EXPECT_EQ(ReadBytes(store.IniPath()),
            std::string("[MySystem]\r\ntop=-32000\r\nleft=-8\r\nHeight=788\r\nWidth=1036\r\nDir=D:\\\x95\x5C\x8E\xA6\\\r\n"));
}

TEST(SettingsStoreTest, OtherSectionsAndKeysAreLeftAlone) {
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  WriteBytes(store.IniPath(), "[Mine]\r\nnote=hello\r\n[MySystem]\r\nWidth=1\r\nColor=red\r\n");
  store.Write(SavedWindow{WindowBounds{1, 2, 3, 4}, "C:\\x"});
  const std::string bytes = ReadBytes(store.IniPath()).value_or("");
  EXPECT_NE(bytes.find("[Mine]\r\nnote=hello\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("Width=3\r\nColor=red\r\ntop=2\r\nleft=1\r\nHeight=4\r\nDir=C:\\x\r\n"), std::string::npos)
      << bytes;
}

TEST(SettingsStoreTest, UnparsableIntegersReadAsDefaults) {
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  WriteBytes(store.IniPath(), "[MySystem]\r\ntop=12px\r\nleft=$FFFFFFFF\r\nHeight=-0x10\r\nWidth=1F\r\nDir=  C:\\a\r\n");
  const SavedWindow saved = store.Read();
  EXPECT_EQ(saved.bounds, (WindowBounds{-1, 0, 600, 400}));
}

TEST(SettingsStoreTest, LongDirComesBackCutTo2047Bytes) {
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  std::string dir = "C:\\";
  while (dir.size() < 2100) dir += "folder\\";
  store.Write(SavedWindow{WindowBounds{}, dir});
  EXPECT_EQ(store.Read().dir, dir.substr(0, 2047));
}

TEST(SettingsStoreTest, HistoryRoundTripKeepsTheListOrder) {
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  const Lines lines = {"C:\\b", "C:\\a", "", "C:\\a"};
  store.SaveHistory(lines);
  EXPECT_EQ(ReadBytes(store.HistoryPath()), std::string("C:\\b\r\nC:\\a\r\n\r\nC:\\a\r\n"));
  Lines loaded;
  ASSERT_TRUE(store.LoadHistory(loaded));
  EXPECT_EQ(loaded, lines);
}

TEST(SettingsStoreTest, HistoryWithOtherLineEndsLoadsTheSame) {
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  WriteBytes(store.HistoryPath(), "C:\\a\nC:\\b\rC:\\c");
  Lines loaded;
  ASSERT_TRUE(store.LoadHistory(loaded));
  EXPECT_EQ(loaded, (Lines{"C:\\a", "C:\\b", "C:\\c"}));
}

// Another handle on the file, released at the end of the scope.
class OpenElsewhere {
 public:
  OpenElsewhere(const std::string& path, DWORD access, DWORD share)
      : handle_(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~OpenElsewhere() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  OpenElsewhere(const OpenElsewhere&) = delete;
  OpenElsewhere& operator=(const OpenElsewhere&) = delete;
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

TEST(SettingsStoreTest, HistoryBeingWrittenElsewhereIsNotLoaded) {
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  WriteBytes(store.HistoryPath(), "C:\\a\r\n");
  Lines lines = {"kept"};
  {
    OpenElsewhere writer(store.HistoryPath(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(writer.ok());
    EXPECT_FALSE(store.LoadHistory(lines));
    EXPECT_EQ(lines, (Lines{"kept"}));
  }
  {
    // Another reader that lets others read does not stand in the way.
    OpenElsewhere reader(store.HistoryPath(), GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(reader.ok());
    EXPECT_TRUE(store.LoadHistory(lines));
    EXPECT_EQ(lines, (Lines{"C:\\a"}));
  }
}

TEST(SettingsStoreTest, HistoryOpenElsewhereIsNotReplaced) {
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  WriteBytes(store.HistoryPath(), "C:\\a\r\n");
  {
    OpenElsewhere reader(store.HistoryPath(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(reader.ok());
    EXPECT_THROW(store.SaveHistory({"C:\\b"}), platform::EInOutError);
  }
  EXPECT_EQ(ReadBytes(store.HistoryPath()), std::string("C:\\a\r\n"));
}

TEST(SettingsStoreTest, MissingDataFolderFailsTheFirstWrite) {
  TempFolder folder;
  SettingsStore store(folder.path() + "\\gone\\", kExe);
  try {
    store.Write(SavedWindow{});
    FAIL() << "no error";
  } catch (const platform::Exception& e) {
    EXPECT_EQ(e.Message(), store.IniPath() + " に書き込めません");
  }
  EXPECT_THROW(store.SaveHistory({"C:\\a"}), platform::EInOutError);
}

TEST(SettingsStoreTest, ReadOnlySettingsFileRefused) {
  if (!test_support::ReadOnlyIsEnforced()) GTEST_SKIP() << "the system lets this user overwrite read-only files";
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  const std::string before = "[MySystem]\r\ntop=5\r\nleft=6\r\nHeight=7\r\nWidth=8\r\nDir=C:\\old\r\n";
  WriteBytes(store.IniPath(), before);
  test_support::SetReadOnly(store.IniPath(), true);
  try {
    store.Write(SavedWindow{WindowBounds{1, 2, 3, 4}, "C:\\new"});
    ADD_FAILURE() << "no error";
  } catch (const platform::Exception& e) {
    EXPECT_EQ(e.Message(), store.IniPath() + " に書き込めません");
  }
  test_support::SetReadOnly(store.IniPath(), false);
  EXPECT_EQ(ReadBytes(store.IniPath()), before);
  // Once writable again, the whole saving goes through.
  store.Write(SavedWindow{WindowBounds{1, 2, 3, 4}, "C:\\new"});
  EXPECT_EQ(store.Read().bounds, (WindowBounds{1, 2, 3, 4}));
}

TEST(SettingsStoreTest, ReadOnlyHistoryFileRefused) {
  if (!test_support::ReadOnlyIsEnforced()) GTEST_SKIP() << "the system lets this user overwrite read-only files";
  TempFolder folder;
  SettingsStore store(DataDir(folder), kExe);
  WriteBytes(store.HistoryPath(), "C:\\old\r\n");
  test_support::SetReadOnly(store.HistoryPath(), true);
  EXPECT_THROW(store.SaveHistory({"C:\\new"}), platform::EInOutError);
  test_support::SetReadOnly(store.HistoryPath(), false);
  EXPECT_EQ(ReadBytes(store.HistoryPath()), std::string("C:\\old\r\n"));
}

}  // namespace
