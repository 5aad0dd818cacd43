// A push button (the system's BUTTON). Windows only.
#pragma once

#include <string>

#include "platform/component.h"

namespace platform {

class TButton : public TWinControl {
 public:
  // `caption` may hold "&" before its access key.
  TButton(TForm& parent, const ControlLayout& layout, const std::wstring& caption);

  TNotifyEvent OnClick;

  // Presses the button as the user does (BM_CLICK), so OnClick runs through
  // the form's notification path.
  void Click();

  void Notify(int code) override;
  void EnterPressed() override { Click(); }
};

}  // namespace platform
