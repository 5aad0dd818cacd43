#include <windows.h>

#include <utility>

#include "platform/message_box.h"

namespace platform {

namespace {
MessageBoxFunction& Replacement() {
  static MessageBoxFunction function;
  return function;
}
}  // namespace

int ShowMessageBox(const MessageBoxRequest& request) {
  if (Replacement()) return Replacement()(request);
  return MessageBoxW(request.owner, request.text.c_str(), request.caption.c_str(), request.type);
}

void SetMessageBoxForTesting(MessageBoxFunction function) { Replacement() = std::move(function); }

}  // namespace platform
