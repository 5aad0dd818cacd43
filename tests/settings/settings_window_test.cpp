// What the real main window remembers between runs: each run is a form built
// as the program builds it, with its data folder in a temporary folder, and
// closed by a close request as the close box sends it.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/DiduvAZ.h"
#include "app/settings/data_dir.h"
#include "app/settings/window_settings.h"
#include "platform/application.h"
#include "platform/folder_dialog.h"
#include "platform/message_box.h"
#include "platform/shell_open.h"
#include "tests/support/temp_tree.h"

namespace {

using test_support::Exists;
using test_support::ReadBytes;
using test_support::TempFolder;
using test_support::WriteBytes;
using Lines = std::vector<std::string>;

struct Rect {
  int left, top, width, height;
};

bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << "{" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << "}";
}

// Paths of the temporary folder are bytes of the system's ANSI code page.
std::wstring Wide(const std::string& ansi) {
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
  return wide;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

class SettingsWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    // The user's folder holds "Recent"; the data folder goes beside it.
    user_ = temp_ / "user";
    test_support::MakeFolder(user_);
    const std::string recent = user_ + "\\Recent";
    SetDataFolderSourceForTesting(
        settings::FolderSource{[recent]() -> std::optional<std::string> { return recent; }, nullptr});
    data_dir_ = user_ + "\\Zuzira\\";

    platform::SetShellOpenForTesting([this](const platform::ShellOpenRequest& r) { shell_requests_.push_back(r); });
    platform::SetMessageBoxForTesting([this](const platform::MessageBoxRequest& r) {
      message_boxes_.push_back(r);
      return IDOK;
    });
    platform::SetFolderDialogForTesting([](const platform::FolderDialogRequest&) { return std::nullopt; });
    platform::Application->SetTitle(L"めるぼ HP");
  }

  void TearDown() override {
    Release();
    SetDataFolderSourceForTesting(settings::FolderSource{});
    platform::SetShellOpenForTesting(nullptr);
    platform::SetMessageBoxForTesting(nullptr);
    platform::SetFolderDialogForTesting(nullptr);
  }

  // One start of the program: the main form, built and filled in.
  void Open() {
    Release();
    platform::Application->CreateForm(Form1);
    ASSERT_NE(Form1, nullptr);
    Pump();
  }

  // The end of the process as far as the window goes.
  static void Release() {
    platform::Application->ReleaseForms();
    Form1 = nullptr;
    DiscardQuit();
  }

  // A close request as the close box sends it; true when it ended the
  // application. The quit request is taken out, so the next run starts clean.
  static bool Close() {
    SendMessageW(Form1->Handle(), WM_CLOSE, 0, 0);
    return DiscardQuit();
  }

  static bool DiscardQuit() {
    MSG message;
    bool quit = false;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) quit = true;
    return quit;
  }

  static void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  // Both names follow the running executable, as the window works them out.
  std::string IniPath() const {
    return settings::SettingsStore(data_dir_, platform::Application->ExeName()).IniPath();
  }
  std::string HistoryPath() const {
    return settings::SettingsStore(data_dir_, platform::Application->ExeName()).HistoryPath();
  }

  // The files of an earlier run, the data folder made by hand.
  void Saved(const std::string& ini, const std::optional<std::string>& history = std::nullopt) {
    if (!IsFolder(data_dir_)) test_support::MakeFolder(data_dir_.substr(0, data_dir_.size() - 1));
    WriteBytes(IniPath(), ini);
    if (history) WriteBytes(HistoryPath(), *history);
  }

  static Rect FormBounds() { return Rect{Form1->Left(), Form1->Top(), Form1->Width(), Form1->Height()}; }
  static Rect SystemBounds() {
    RECT r{};
    GetWindowRect(Form1->Handle(), &r);
    return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
  }

  static Lines Items() {
    Lines items;
    const platform::TListBoxItems& list = Form1->lbDirList.Items();
    for (int i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
    return items;
  }

  static Rect NearestWorkArea(const Rect& b) {
    RECT frame{b.left, b.top, b.left + b.width, b.top + b.height};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &info);
    return Rect{info.rcWork.left, info.rcWork.top, info.rcWork.right - info.rcWork.left,
                info.rcWork.bottom - info.rcWork.top};
  }

  TempFolder temp_;
  std::string user_;
  std::string data_dir_;
  std::vector<platform::ShellOpenRequest> shell_requests_;
  std::vector<platform::MessageBoxRequest> message_boxes_;
};

TEST_F(SettingsWindowTest, FirstRunCreatesTheDataFolderOpensTopLeftAndCloseWritesDefaults) {
  ASSERT_FALSE(Exists(data_dir_));
  Open();
  EXPECT_EQ(DataDir, data_dir_);
  EXPECT_TRUE(IsFolder(data_dir_));
  EXPECT_EQ(FormBounds(), (Rect{0, 0, 600, 400}));
  EXPECT_EQ(SystemBounds(), (Rect{0, 0, 600, 400}));
  EXPECT_EQ(Form1->tbDir.Text(), "");
  EXPECT_TRUE(Items().empty());
  // Creation only reads.
  EXPECT_FALSE(Exists(IniPath()));
  EXPECT_FALSE(Exists(HistoryPath()));

  EXPECT_TRUE(Close());
  EXPECT_EQ(ReadBytes(IniPath()), std::string("[MySystem]\r\ntop=0\r\nleft=0\r\nHeight=400\r\nWidth=600\r\nDir=\r\n"));
  EXPECT_EQ(ReadBytes(HistoryPath()), std::string());
  EXPECT_TRUE(message_boxes_.empty());
}

TEST_F(SettingsWindowTest, FilesAreNamedAfterTheRunningExe) {
  Open();
  EXPECT_TRUE(Close());
  EXPECT_TRUE(Exists(data_dir_ + "settings_window_tests.ini"));
  EXPECT_TRUE(Exists(data_dir_ + "settings_window_tests.dl"));
}

TEST_F(SettingsWindowTest, BoundsFolderAndHistoryComeBackAtTheNextStart) {
  // Real folders made with the window's own command.
  TempFolder trees;
  const std::string zeta = trees / "zeta";
  const std::string alpha = trees / "Alpha";
  const std::string mid = trees / "mid";
  for (const std::string& folder : {zeta, alpha, mid}) test_support::MakeFolder(folder);

  Open();
  for (const std::string& folder : {zeta, alpha, mid}) {
    Form1->tbDir.SetText(folder);
    Form1->btnMake.Click();
  }
  EXPECT_EQ(shell_requests_.size(), 3u);
  // One more entry straight into the list, as any added entry.
  const std::string beta = trees / "beta";
  Form1->lbDirList.Items().Add(beta);
  Form1->tbDir.SetText("E:\\somewhere\\not there\\");
  SetWindowPos(Form1->Handle(), nullptr, 37, 52, 513, 377, SWP_NOZORDER | SWP_NOACTIVATE);
  MoveWindow(Form1->Handle(), 41, 63, 522, 388, TRUE);
  ASSERT_EQ(FormBounds(), (Rect{41, 63, 522, 388}));
  EXPECT_TRUE(Close());
  EXPECT_EQ(ReadBytes(IniPath()), std::string("[MySystem]\r\ntop=63\r\nleft=41\r\nHeight=388\r\nWidth=522\r\n"
                                               "Dir=E:\\somewhere\\not there\\\r\n"));
  // Alphabetical without letter case, whatever the order made.
  const std::string expected = alpha + "\r\n" + beta + "\r\n" + mid + "\r\n" + zeta + "\r\n";
  EXPECT_EQ(ReadBytes(HistoryPath()), expected);

  Open();
  EXPECT_EQ(FormBounds(), (Rect{41, 63, 522, 388}));
  EXPECT_EQ(SystemBounds(), (Rect{41, 63, 522, 388}));
  EXPECT_EQ(Form1->tbDir.Text(), "E:\\somewhere\\not there\\");
  EXPECT_EQ(Items(), (Lines{alpha, beta, mid, zeta}));

  // The second run's close writes the same again.
  Form1->SetLeft(5);
  Form1->SetTop(6);
  Form1->SetWidth(700);
  Form1->SetHeight(500);
  EXPECT_TRUE(Close());
  EXPECT_EQ(ReadBytes(HistoryPath()), expected);
  EXPECT_EQ(ReadBytes(IniPath()),
            std::string("[MySystem]\r\ntop=6\r\nleft=5\r\nHeight=500\r\nWidth=700\r\nDir=E:\\somewhere\\not there\\\r\n"));
  EXPECT_TRUE(message_boxes_.empty());
}

struct HandWrittenHistory {
  const char* name;
  std::string bytes;
};

TEST_F(SettingsWindowTest, HandWrittenHistoryLoadsSortedWithDuplicatesAndIsRewrittenWithCrLf) {
  const std::vector<HandWrittenHistory> cases = {
      {"LF only", "zeta\nAlpha\nzeta\n\nmid\n"},
      {"CR only, last line open", "zeta\rAlpha\rzeta\r\rmid"},
      {"mixed", "zeta\r\nAlpha\nzeta\r\rmid\r\n"},
  };
  for (const HandWrittenHistory& c : cases) {
    SCOPED_TRACE(c.name);
    Saved("", c.bytes);
    Open();
    EXPECT_EQ(Items(), (Lines{"", "Alpha", "mid", "zeta", "zeta"}));
    EXPECT_TRUE(Close());
    EXPECT_EQ(ReadBytes(HistoryPath()), std::string("\r\nAlpha\r\nmid\r\nzeta\r\nzeta\r\n"));
  }
}

TEST_F(SettingsWindowTest, OtherSectionsAndKeysSurviveARun) {
  Saved("[Mine]\r\nnote=hello\r\n[MySystem]\r\nWidth=640\r\nColor=red\r\n[Last]\r\nx=1\r\n");
  Open();
  EXPECT_EQ(FormBounds(), (Rect{0, 0, 640, 400}));
  EXPECT_TRUE(Close());
  const std::string bytes = ReadBytes(IniPath()).value_or("");
  EXPECT_NE(bytes.find("[Mine]\r\nnote=hello\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("[MySystem]\r\nWidth=640\r\nColor=red\r\ntop=0\r\nleft=0\r\nHeight=400\r\nDir=\r\n"),
            std::string::npos)
      << bytes;
  EXPECT_NE(bytes.find("[Last]\r\nx=1\r\n"), std::string::npos) << bytes;
}

TEST_F(SettingsWindowTest, ReadOnlySettingsFileRefusedKeepsTheWindowUntilWritable) {
  if (!test_support::ReadOnlyIsEnforced()) GTEST_SKIP() << "read-only files are not refused to this user";
  const std::string old_ini = "[MySystem]\r\ntop=10\r\nleft=20\r\nHeight=300\r\nWidth=400\r\nDir=C:\\old\r\n";
  const std::string old_history = "C:\\old\r\n";
  Saved(old_ini, old_history);
  test_support::SetReadOnly(IniPath(), true);

  Open();
  Form1->Show();
  Form1->lbDirList.Items().Add("C:\\new");
  Form1->tbDir.SetText("C:\\new");
  SetWindowPos(Form1->Handle(), nullptr, 30, 40, 500, 350, SWP_NOZORDER | SWP_NOACTIVATE);

  EXPECT_FALSE(Close());
  ASSERT_EQ(message_boxes_.size(), 1u);
  EXPECT_EQ(message_boxes_[0].text, Wide(IniPath()) + L" に書き込めません.");
  EXPECT_EQ(message_boxes_[0].caption, L"めるぼ HP");
  EXPECT_EQ(message_boxes_[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(message_boxes_[0].owner, Form1->Handle());
  EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
  EXPECT_EQ(ReadBytes(IniPath()), old_ini);
  EXPECT_EQ(ReadBytes(HistoryPath()), old_history);

  // Every further request tries the whole saving again.
  EXPECT_FALSE(Close());
  EXPECT_EQ(message_boxes_.size(), 2u);
  EXPECT_EQ(ReadBytes(HistoryPath()), old_history);

  test_support::SetReadOnly(IniPath(), false);
  EXPECT_TRUE(Close());
  EXPECT_EQ(message_boxes_.size(), 2u);
  EXPECT_FALSE(IsWindowVisible(Form1->Handle()));
  EXPECT_EQ(ReadBytes(IniPath()),
            std::string("[MySystem]\r\ntop=40\r\nleft=30\r\nHeight=350\r\nWidth=500\r\nDir=C:\\new\r\n"));
  EXPECT_EQ(ReadBytes(HistoryPath()), std::string("C:\\new\r\nC:\\old\r\n"));
}

TEST_F(SettingsWindowTest, DataFolderThatCannotBeMadeOpensWithDefaultsAndKeepsTheWindowAtClose) {
  // The folder above the data folder is missing, so only its last level
  // could be made, and is not.
  const std::string missing = temp_ / "missing";
  const std::string recent = missing + "\\deeper\\Recent";
  SetDataFolderSourceForTesting(
      settings::FolderSource{[recent]() -> std::optional<std::string> { return recent; }, nullptr});
  data_dir_ = missing + "\\deeper\\Zuzira\\";
  Open();
  EXPECT_TRUE(message_boxes_.empty());
  EXPECT_EQ(DataDir, data_dir_);
  EXPECT_FALSE(Exists(missing));
  EXPECT_EQ(FormBounds(), (Rect{0, 0, 600, 400}));
  Form1->lbDirList.Items().Add("C:\\kept");

  for (int attempt = 1; attempt <= 2; ++attempt) {
    SCOPED_TRACE(attempt);
    EXPECT_FALSE(Close());
    ASSERT_EQ(message_boxes_.size(), static_cast<std::size_t>(attempt));
    EXPECT_EQ(message_boxes_.back().text, Wide(IniPath()) + L" に書き込めません.");
    EXPECT_EQ(message_boxes_.back().caption, L"めるぼ HP");
    EXPECT_EQ(message_boxes_.back().type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(IsWindow(Form1->Handle()));
  }
  EXPECT_FALSE(Exists(missing));
  EXPECT_EQ(Items(), (Lines{"C:\\kept"}));
}

TEST_F(SettingsWindowTest, FrameOffEveryScreenOpensOnTheNearestMonitorWithItsSize) {
  Saved("[MySystem]\r\ntop=-30000\r\nleft=-30000\r\nHeight=333\r\nWidth=444\r\n");
  Open();
  const Rect opened = FormBounds();
  EXPECT_EQ(SystemBounds(), opened);
  EXPECT_EQ(opened.width, 444);
  EXPECT_EQ(opened.height, 333);
  const Rect work = NearestWorkArea(Rect{-30000, -30000, 444, 333});
  ASSERT_GE(work.width, 444);
  ASSERT_GE(work.height, 333);
  // Wholly inside the work area, at its nearest corner.
  EXPECT_EQ(opened.left, work.left);
  EXPECT_EQ(opened.top, work.top);
  // Saved as it is now shown.
  EXPECT_TRUE(Close());
  EXPECT_EQ(ReadBytes(IniPath()), "[MySystem]\r\ntop=" + std::to_string(work.top) + "\r\nleft=" +
                                      std::to_string(work.left) + "\r\nHeight=333\r\nWidth=444\r\nDir=\r\n");
}

TEST_F(SettingsWindowTest, FrameStillShowingSomewhereOpensExactlyWhereSaved) {
  const Rect work = NearestWorkArea(Rect{0, 0, 1, 1});
  const std::vector<Rect> frames = {
      {work.left + 100, work.top + 50, 320, 240},
      {work.left - 590, work.top - 390, 600, 400},              // a corner still shows
      {work.left + work.width - 10, work.top + 20, 600, 400},   // mostly beyond the right edge
      {work.left - 700, work.top - 500, 900, 700},              // most of it beyond the top left
  };
  for (const Rect& frame : frames) {
    SCOPED_TRACE(testing::Message() << frame);
    Saved("[MySystem]\r\ntop=" + std::to_string(frame.top) + "\r\nleft=" + std::to_string(frame.left) +
          "\r\nHeight=" + std::to_string(frame.height) + "\r\nWidth=" + std::to_string(frame.width) + "\r\n");
    Open();
    EXPECT_EQ(FormBounds(), frame);
    EXPECT_EQ(SystemBounds(), frame);
  }
}

TEST_F(SettingsWindowTest, MaximisedWindowWritesItsMaximisedBoundsAndReopensNormal) {
  Saved("[MySystem]\r\ntop=100\r\nleft=120\r\nHeight=300\r\nWidth=400\r\n");
  Open();
  Form1->Show(SW_SHOWMAXIMIZED);
  Pump();
  ASSERT_TRUE(IsZoomed(Form1->Handle()));
  const Rect maximised = SystemBounds();
  ASSERT_NE(maximised, (Rect{120, 100, 400, 300}));
  EXPECT_EQ(FormBounds(), maximised);
  EXPECT_TRUE(Close());
  EXPECT_EQ(ReadBytes(IniPath()), "[MySystem]\r\ntop=" + std::to_string(maximised.top) +
                                      "\r\nleft=" + std::to_string(maximised.left) +
                                      "\r\nHeight=" + std::to_string(maximised.height) +
                                      "\r\nWidth=" + std::to_string(maximised.width) + "\r\nDir=\r\n");

  // The next start is a normal window over the area the maximised one had.
  Open();
  EXPECT_FALSE(IsZoomed(Form1->Handle()));
  EXPECT_EQ(FormBounds(), maximised);
}

TEST_F(SettingsWindowTest, MinimisedWindowWritesItsRestoredBounds) {
  Saved("[MySystem]\r\ntop=100\r\nleft=120\r\nHeight=300\r\nWidth=400\r\n");
  Open();
  Form1->Show(SW_SHOWMINIMIZED);
  Pump();
  ASSERT_TRUE(IsIconic(Form1->Handle()));
  EXPECT_EQ(FormBounds(), (Rect{120, 100, 400, 300}));
  EXPECT_TRUE(Close());
  EXPECT_EQ(ReadBytes(IniPath()), std::string("[MySystem]\r\ntop=100\r\nleft=120\r\nHeight=300\r\nWidth=400\r\nDir=\r\n"));
}

}  // namespace
