// The main window's layout, sizes and life: real windows under the system.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "platform/application.h"
#include "tests/window/window_fixture.h"

namespace window_test {
namespace {

struct Shown {
  int dir_width, dir_button_left, list_width, list_height;
};

Shown ShownBounds() {
  return {Form1->tbDir.Width(), Form1->btnDir.Left(), Form1->lbDirList.Width(), Form1->lbDirList.Height()};
}

// What the system window really has, relative to the client area.
RECT ChildRect(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ExpectShown(int dir_width, int dir_button_left, int list_width, int list_height) {
  const Shown s = ShownBounds();
  EXPECT_EQ(s.dir_width, dir_width);
  EXPECT_EQ(s.dir_button_left, dir_button_left);
  EXPECT_EQ(s.list_width, list_width);
  EXPECT_EQ(s.list_height, list_height);
  const RECT dir = ChildRect(Form1->tbDir.Handle());
  EXPECT_EQ(dir.right - dir.left, dir_width);
  EXPECT_EQ(ChildRect(Form1->btnDir.Handle()).left, dir_button_left);
  const RECT list = ChildRect(Form1->lbDirList.Handle());
  EXPECT_EQ(list.right - list.left, list_width);
  EXPECT_EQ(list.bottom - list.top, list_height);
}

TEST_F(MainWindowTest, OpensAtFirstRunBoundsWithTheRuleApplied) {
  EXPECT_EQ(Form1->Left(), 0);
  EXPECT_EQ(Form1->Top(), 0);
  EXPECT_EQ(Form1->Width(), 600);
  EXPECT_EQ(Form1->Height(), 400);
  ExpectShown(550, 557, 573, 300);
  // What the rule does not touch keeps its layout value.
  EXPECT_EQ(Form1->tbDir.Left(), 8);
  EXPECT_EQ(Form1->btnMake.Left(), 8);
  EXPECT_EQ(Form1->btnShow.Left(), 88);
  EXPECT_EQ(Form1->lbDirList.Top(), 64);
  EXPECT_EQ(ChildRect(Form1->btnShow.Handle()).top, 32);
}

TEST_F(MainWindowTest, ResizeRuleAtLayoutSize) {
  Form1->SetWidth(300);
  Form1->SetHeight(244);
  ExpectShown(250, 257, 273, 144);
}

TEST_F(MainWindowTest, MinimiseLeavesControlsAndBoundsAsTheyWere) {
  Form1->SetWidth(300);
  Form1->SetHeight(244);
  ShowWindow(Form1->Handle(), SW_MINIMIZE);
  Pump();
  ASSERT_TRUE(IsIconic(Form1->Handle()));
  ExpectShown(250, 257, 273, 144);
  // The restored bounds are what a minimised window reports.
  EXPECT_EQ(Form1->Width(), 300);
  EXPECT_EQ(Form1->Height(), 244);
  EXPECT_EQ(Form1->Left(), 0);
  EXPECT_EQ(Form1->Top(), 0);
  ShowWindow(Form1->Handle(), SW_RESTORE);
  Pump();
  ExpectShown(250, 257, 273, 144);
  EXPECT_EQ(Form1->Width(), 300);
}

TEST_F(MainWindowTest, MaximiseAppliesTheRuleToTheMaximisedSize) {
  ShowWindow(Form1->Handle(), SW_MAXIMIZE);
  Pump();
  ASSERT_TRUE(IsZoomed(Form1->Handle()));
  RECT r;
  GetWindowRect(Form1->Handle(), &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  ASSERT_GT(width, 600);
  EXPECT_EQ(Form1->Width(), width);
  EXPECT_EQ(Form1->Height(), height);
  ExpectShown(width - 50, width - 43, width - 27, height - 100);
  ShowWindow(Form1->Handle(), SW_RESTORE);
  Pump();
  EXPECT_EQ(Form1->Width(), 600);
  ExpectShown(550, 557, 573, 300);
}

TEST_F(MainWindowTest, TinyWindowGivesNegativeSizesShownAsNothing) {
  Form1->SetWidth(30);
  Form1->SetHeight(60);
  RECT r;
  GetWindowRect(Form1->Handle(), &r);
  const int width = r.right - r.left;  // the system may keep a smallest frame
  EXPECT_EQ(Form1->tbDir.Width(), width - 50);
  if (width < 50) {
    EXPECT_EQ(ChildRect(Form1->tbDir.Handle()).right, ChildRect(Form1->tbDir.Handle()).left);
  }
}

TEST_F(MainWindowTest, WindowSettings) {
  const HWND window = Form1->Handle();
  wchar_t text[64];
  GetWindowTextW(window, text, 64);
  EXPECT_STREQ(text, L"めるぼ HP");
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(GetClassLongPtrW(window, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
  GetWindowTextW(Form1->btnMake.Handle(), text, 64);
  EXPECT_STREQ(text, L"作成(&M)");
  GetWindowTextW(Form1->btnShow.Handle(), text, 64);
  EXPECT_STREQ(text, L"表示(&S)");
  GetWindowTextW(Form1->btnDir.Handle(), text, 64);
  EXPECT_STREQ(text, L"...");
  // No button is the default one.
  for (HWND button : {Form1->btnDir.Handle(), Form1->btnMake.Handle(), Form1->btnShow.Handle()}) {
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
  }
  const LONG list_style = GetWindowLongW(Form1->lbDirList.Handle(), GWL_STYLE);
  EXPECT_TRUE(list_style & LBS_SORT);
  EXPECT_TRUE(list_style & LBS_NOTIFY);
  EXPECT_FALSE(list_style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
  LOGFONTW font{};
  const HFONT handle = reinterpret_cast<HFONT>(SendMessageW(Form1->tbDir.Handle(), WM_GETFONT, 0, 0));
  ASSERT_NE(handle, nullptr);
  GetObjectW(handle, sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, L"ＭＳ Ｐゴシック");
  EXPECT_EQ(font.lfHeight, -12);
  EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
  EXPECT_EQ(SendMessageW(Form1->lbDirList.Handle(), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(handle));
}

TEST_F(MainWindowTest, TabOrderFollowsTheLayoutTable) {
  const HWND window = Form1->Handle();
  HWND at = GetNextDlgTabItem(window, nullptr, FALSE);
  for (HWND expected : {Form1->tbDir.Handle(), Form1->btnDir.Handle(), Form1->btnMake.Handle(),
                        Form1->btnShow.Handle(), Form1->lbDirList.Handle()}) {
    EXPECT_EQ(at, expected);
    at = GetNextDlgTabItem(window, at, FALSE);
  }
  EXPECT_EQ(at, Form1->tbDir.Handle());
}

TEST_F(MainWindowTest, EnterPressesOnlyTheFocusedButtonAndEscNothing) {
  Form1->tbDir.SetText("C:\\x");
  // The dialog navigation reports Enter as IDOK, Esc as IDCANCEL.
  SetFocus(Form1->tbDir.Handle());
  SendMessageW(Form1->Handle(), WM_COMMAND, IDOK, 0);
  SendMessageW(Form1->Handle(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(shell_requests_.empty());
  SetFocus(Form1->btnShow.Handle());
  SendMessageW(Form1->Handle(), WM_COMMAND, IDOK, 0);
  EXPECT_EQ(shell_requests_.size(), 1u);
  EXPECT_TRUE(Items().empty());
}

// ---- a form of the layer itself, for the close and create events

class Probe : public platform::TForm {
 public:
  Probe() : TForm(Design()) {}
  static platform::FormDesign Design() {
    platform::FormDesign design;
    design.window_class = L"ProbeForm";
    design.caption = L"probe";
    design.width = 200;
    design.height = 150;
    design.font_name = L"ＭＳ Ｐゴシック";
    design.font_height = 12;
    return design;
  }
};

TEST_F(MainWindowTest, FailedCloseIsReportedAndTheWindowStays) {
  Form1->Show();
  int calls = 0;
  Form1->OnClose = [&calls](platform::TObject*, platform::TCloseAction&) {
    ++calls;
    throw std::runtime_error("C:\\x.ini に書き込めません");
  };
  SendMessageW(Form1->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(message_boxes_.size(), 1u);
  EXPECT_EQ(message_boxes_[0].text, L"C:\\x.ini に書き込めません.");
  EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
  MSG message;
  EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  // Each later request tries again; a close that goes through ends the
  // application.
  Form1->OnClose = [&calls](platform::TObject*, platform::TCloseAction&) { ++calls; };
  Form1->Close();
  EXPECT_EQ(calls, 2);
  EXPECT_FALSE(IsWindowVisible(Form1->Handle()));
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST_F(MainWindowTest, CloseActionNoneKeepsTheWindow) {
  Form1->Show();
  Form1->OnClose = [](platform::TObject*, platform::TCloseAction& action) { action = platform::TCloseAction::caNone; };
  Form1->Close();
  EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
  MSG message;
  EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST_F(MainWindowTest, FailedCreateIsReportedAndTheFormStillComes) {
  class FailingProbe : public Probe {
   public:
    FailingProbe() {
      OnCreate = [](platform::TObject*) { throw std::runtime_error("作成に失敗しました (1)"); };
    }
  };
  FailingProbe* probe = nullptr;
  platform::Application->CreateForm(probe);
  ASSERT_NE(probe, nullptr);
  ASSERT_EQ(message_boxes_.size(), 1u);
  EXPECT_EQ(message_boxes_[0].text, L"作成に失敗しました (1)");
  EXPECT_EQ(message_boxes_[0].caption, L"めるぼ HP");
  EXPECT_EQ(message_boxes_[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_TRUE(IsWindow(probe->Handle()));
  // Form1 came first and stays the main form.
  EXPECT_EQ(platform::Application->MainForm(), Form1);
}

TEST_F(MainWindowTest, ReferenceIsSetBeforeConstructionAndResetWhenItFails) {
  static Probe** seen_reference = nullptr;
  static Probe* seen_value = nullptr;
  class Watching : public Probe {
   public:
    Watching() { seen_value = *seen_reference; }
  };
  class Failing : public Probe {
   public:
    Failing() { throw std::runtime_error("no"); }
  };
  Probe* reference = nullptr;
  seen_reference = &reference;
  Watching* watching = nullptr;
  seen_reference = reinterpret_cast<Probe**>(&watching);
  platform::Application->CreateForm(watching);
  EXPECT_EQ(seen_value, watching);
  Failing* failing = reinterpret_cast<Failing*>(1);
  EXPECT_THROW(platform::Application->CreateForm(failing), std::runtime_error);
  EXPECT_EQ(failing, nullptr);
}

TEST_F(MainWindowTest, ExecutableNameIsTheRunningProgram) {
  const std::string name = platform::Application->ExeName();
  ASSERT_GT(name.size(), 4u);
  EXPECT_EQ(name.substr(name.size() - 4), ".exe");
  EXPECT_NE(name.find(":\\"), std::string::npos);
}

}  // namespace
}  // namespace window_test

namespace window_test {
namespace {

// Keys as the system posts them to the focused control, handled by the same
// loop step as the program's.
void Key(HWND target, UINT message, WPARAM key, LPARAM flags = 0) {
  PostMessageW(target, message, key, flags | 1);
  platform::Application->ProcessMessages();
}

TEST_F(MainWindowTest, KeyboardTabOrderAccessKeysEnterAndEsc) {
  Form1->Show();
  SetForegroundWindow(Form1->Handle());
  SetActiveWindow(Form1->Handle());
  platform::Application->ProcessMessages();
  // The first activation puts the focus on the text box.
  EXPECT_EQ(GetFocus(), Form1->tbDir.Handle());
  Form1->tbDir.SetText("C:\\keys");

  // Enter and Esc in the text box press nothing.
  Key(Form1->tbDir.Handle(), WM_KEYDOWN, VK_RETURN);
  Key(Form1->tbDir.Handle(), WM_KEYDOWN, VK_ESCAPE);
  EXPECT_TRUE(shell_requests_.empty());

  Key(Form1->tbDir.Handle(), WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), Form1->btnDir.Handle());
  Key(Form1->btnDir.Handle(), WM_KEYDOWN, VK_TAB);
  Key(Form1->btnMake.Handle(), WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), Form1->btnShow.Handle());

  // Enter on a focused button presses that button.
  Key(Form1->btnShow.Handle(), WM_KEYDOWN, VK_RETURN);
  ASSERT_EQ(shell_requests_.size(), 1u);
  EXPECT_TRUE(Items().empty());

  // Alt+M makes, Alt+S shows, wherever the focus is.
  const LPARAM alt = 1 << 29;
  Key(GetFocus(), WM_SYSCHAR, 'm', alt);
  EXPECT_EQ(shell_requests_.size(), 2u);
  EXPECT_THAT(Items(), testing::ElementsAre("C:\\keys"));
  Key(GetFocus(), WM_SYSCHAR, 's', alt);
  EXPECT_EQ(shell_requests_.size(), 3u);
  EXPECT_EQ(Items().size(), 1u);
  EXPECT_TRUE(dialog_requests_.empty());
}

}  // namespace
}  // namespace window_test
