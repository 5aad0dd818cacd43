// A top-level window holding child controls, with create, close and resize
// events. Windows only.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/component.h"

namespace platform {

// What becomes of a window asked to close; caNone keeps it open.
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// The design values a form is built from.
struct FormDesign {
  std::wstring window_class;  // also names the form's kind to other programs
  std::wstring caption;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::wstring font_name;
  int font_height = 0;  // character height in pixels, internal leading excluded
  BYTE font_charset = DEFAULT_CHARSET;
};

class TForm : public TObject {
 public:
  explicit TForm(const FormDesign& design);
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;
  ~TForm() override;

  HWND Handle() const { return handle_; }

  // Outer bounds on the screen, frame and title bar included. While the
  // window is minimised they are its restored bounds, while it is maximised
  // its maximised bounds.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int value);
  void SetTop(int value);
  void SetWidth(int value);
  void SetHeight(int value);

  TNotifyEvent OnCreate;
  TNotifyEvent OnResize;
  TCloseEvent OnClose;

  void Show(int show_command = SW_SHOWNORMAL);
  // Asks the window to close, as the close box does.
  void Close();

  // Called by the application once the form is built: the first size, then
  // the creation event, whose failure goes to the error report.
  void AfterConstruction();

 private:
  friend class TWinControl;
  friend LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);

  LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam);
  void DoClose();
  void DoResize();
  RECT OuterBounds() const;
  void SetOuterBounds(const RECT& bounds);
  TWinControl* FindControl(HWND window) const;

  HWND handle_ = nullptr;
  HFONT font_ = nullptr;
  HWND last_focus_ = nullptr;
  std::vector<TWinControl*> controls_;
};

}  // namespace platform
