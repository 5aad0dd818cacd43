// A single-line edit box (the system's EDIT). Windows only.
#pragma once

#include <string>

#include "platform/component.h"

namespace platform {

class TEdit : public TWinControl {
 public:
  TEdit(TForm& parent, const ControlLayout& layout);

  // The text as bytes of the system's ANSI code page.
  std::string Text() const;
  void SetText(const std::string& text);
};

}  // namespace platform
