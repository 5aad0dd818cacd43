#include <windows.h>

#include <algorithm>

#include "platform/application.h"
#include "platform/form.h"
#include "platform/in_out_error.h"

namespace platform {

LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  TForm* form = nullptr;
  if (message == WM_NCCREATE) {
    form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    form->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  } else {
    form = reinterpret_cast<TForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!form) return DefWindowProcW(window, message, wparam, lparam);
  // No exception leaves a window procedure: the rest of the failed handler
  // is skipped and the message loop goes on.
  try {
    return form->WindowProc(message, wparam, lparam);
  } catch (...) {
    Application->HandleException();
  }
  return 0;
}

namespace {

void RegisterFormClass(const std::wstring& name) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name.c_str(), &existing)) return;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  window_class.lpfnWndProc = FormWindowProc;
  window_class.hInstance = instance;
  // The program's icon is resource 1; test programs have none and get the
  // system's.
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  if (!window_class.hIcon) window_class.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  window_class.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                       GetSystemMetrics(SM_CXSMICON),
                                                       GetSystemMetrics(SM_CYSMICON), 0));
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  window_class.lpszClassName = name.c_str();
  if (!RegisterClassExW(&window_class)) throw EInOutError(GetLastError());
}

// The offset of the work area (the screen less the task bar) on the window's
// monitor: the restored bounds of the window placement are measured from it.
POINT WorkAreaOffset(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  POINT offset{0, 0};
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info) &&
      !(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
    offset.x = info.rcWork.left - info.rcMonitor.left;
    offset.y = info.rcWork.top - info.rcMonitor.top;
  }
  return offset;
}

}  // namespace

TForm::TForm(const FormDesign& design) {
  RegisterFormClass(design.window_class);
  font_ = CreateFontW(-design.font_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, design.font_charset,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                      design.font_name.c_str());
  // WM_NCCREATE stores the window in handle_.
  CreateWindowExW(WS_EX_CONTROLPARENT, design.window_class.c_str(), design.caption.c_str(),
                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, design.left, design.top, design.width, design.height,
                  nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!handle_) {
    const DWORD error = GetLastError();
    if (font_) DeleteObject(font_);
    throw EInOutError(error);
  }
}

TForm::~TForm() {
  // The controls, members of the derived form, are gone already.
  SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  DestroyWindow(handle_);
  if (font_) DeleteObject(font_);
}

void TForm::AfterConstruction() {
  DoResize();
  if (!OnCreate) return;
  try {
    OnCreate(this);
  } catch (...) {
    Application->HandleException();
  }
}

void TForm::Show(int show_command) {
  ShowWindow(handle_, show_command);
  UpdateWindow(handle_);
}

void TForm::Close() { SendMessageW(handle_, WM_CLOSE, 0, 0); }

RECT TForm::OuterBounds() const {
  RECT bounds{};
  if (IsIconic(handle_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(handle_, &placement);
    bounds = placement.rcNormalPosition;
    const POINT offset = WorkAreaOffset(handle_);
    OffsetRect(&bounds, offset.x, offset.y);
  } else {
    GetWindowRect(handle_, &bounds);
  }
  return bounds;
}

void TForm::SetOuterBounds(const RECT& bounds) {
  if (IsIconic(handle_) || IsZoomed(handle_)) {
    // Change the bounds the window gets back when it is restored.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(handle_, &placement);
    placement.rcNormalPosition = bounds;
    const POINT offset = WorkAreaOffset(handle_);
    OffsetRect(&placement.rcNormalPosition, -offset.x, -offset.y);
    placement.showCmd = IsIconic(handle_) ? SW_SHOWMINNOACTIVE : SW_SHOWMAXIMIZED;
    placement.flags = 0;
    SetWindowPlacement(handle_, &placement);
    return;
  }
  SetWindowPos(handle_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int TForm::Left() const { return OuterBounds().left; }
int TForm::Top() const { return OuterBounds().top; }
int TForm::Width() const {
  const RECT r = OuterBounds();
  return r.right - r.left;
}
int TForm::Height() const {
  const RECT r = OuterBounds();
  return r.bottom - r.top;
}

void TForm::SetLeft(int value) {
  RECT r = OuterBounds();
  OffsetRect(&r, value - r.left, 0);
  SetOuterBounds(r);
}
void TForm::SetTop(int value) {
  RECT r = OuterBounds();
  OffsetRect(&r, 0, value - r.top);
  SetOuterBounds(r);
}
void TForm::SetWidth(int value) {
  RECT r = OuterBounds();
  r.right = r.left + value;
  SetOuterBounds(r);
}
void TForm::SetHeight(int value) {
  RECT r = OuterBounds();
  r.bottom = r.top + value;
  SetOuterBounds(r);
}

TWinControl* TForm::FindControl(HWND window) const {
  for (TWinControl* control : controls_) {
    if (control->Handle() == window) return control;
  }
  return nullptr;
}

void TForm::DoResize() {
  if (OnResize) OnResize(this);
}

void TForm::DoClose() {
  TCloseAction action = TCloseAction::caHide;
  // An exception here leaves before anything closes: the window stays.
  if (OnClose) OnClose(this, action);
  switch (action) {
    case TCloseAction::caNone:
      return;
    case TCloseAction::caMinimize:
      ShowWindow(handle_, SW_MINIMIZE);
      return;
    case TCloseAction::caHide:
    case TCloseAction::caFree:
      ShowWindow(handle_, SW_HIDE);
      // Closing the main form ends the application.
      if (Application->MainForm() == this) Application->Terminate();
      return;
  }
}

LRESULT TForm::WindowProc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      // While minimised the controls keep their places.
      if (wparam != SIZE_MINIMIZED) DoResize();
      return 0;
    case WM_COMMAND: {
      const HWND from = reinterpret_cast<HWND>(lparam);
      if (from) {
        if (TWinControl* control = FindControl(from)) control->Notify(HIWORD(wparam));
        return 0;
      }
      // The dialog navigation of the message loop reports Enter as IDOK and
      // Esc as IDCANCEL. There is no default and no cancel button: Enter
      // presses the focused button only, Esc nothing.
      if (LOWORD(wparam) == IDOK) {
        if (TWinControl* control = FindControl(GetFocus())) control->EnterPressed();
      }
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(handle_, focus)) last_focus_ = focus;
      } else if (!HIWORD(wparam)) {
        // First activation: the first control in tab order.
        HWND target = last_focus_ ? last_focus_ : GetNextDlgTabItem(handle_, nullptr, FALSE);
        if (target) SetFocus(target);
      }
      return 0;
    case WM_CLOSE:
      DoClose();
      return 0;
    default:
      return DefWindowProcW(handle_, message, wparam, lparam);
  }
}

}  // namespace platform
