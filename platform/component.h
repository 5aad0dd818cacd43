// Base pieces of our thin window layer: the object every event names as its
// Sender, and the child control wrapped around one system window.
// Windows only.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace platform {

class TObject {
 public:
  virtual ~TObject() = default;
};

// An event handler receives the object that raised the event.
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TForm;

// Position and size of a control inside its form's client area, in pixels.
struct ControlLayout {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A child window of one of the system's own classes (EDIT, BUTTON, LISTBOX).
// The wrapper owns the window; the form hands back the control's
// notifications (WM_COMMAND) to Notify.
class TWinControl : public TObject {
 public:
  TWinControl(const TWinControl&) = delete;
  TWinControl& operator=(const TWinControl&) = delete;
  ~TWinControl() override;

  HWND Handle() const { return handle_; }

  // The bounds last set, as given: a width or height below zero is kept
  // here and shown as zero.
  int Left() const { return layout_.left; }
  int Top() const { return layout_.top; }
  int Width() const { return layout_.width; }
  int Height() const { return layout_.height; }
  void SetLeft(int value);
  void SetTop(int value);
  void SetWidth(int value);
  void SetHeight(int value);
  void SetBounds(const ControlLayout& layout);

  // A notification code of the control, from its parent's WM_COMMAND.
  virtual void Notify(int code);
  // Enter was typed while this control had the focus.
  virtual void EnterPressed() {}

 protected:
  // Creates the system window `class_name` inside `parent`, in tab order
  // after the controls created before it.
  TWinControl(TForm& parent, const wchar_t* class_name, DWORD style, DWORD ex_style, const ControlLayout& layout,
              const std::wstring& caption = std::wstring());

 private:
  void ApplyBounds();

  TForm& parent_;
  HWND handle_ = nullptr;
  ControlLayout layout_;
};

}  // namespace platform
