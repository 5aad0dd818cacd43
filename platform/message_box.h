// The system's message box behind a replaceable function, so tests see what
// would have been asked and nothing waits for a click. Windows only.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace platform {

struct MessageBoxRequest {
  HWND owner = nullptr;
  std::wstring text;
  std::wstring caption;
  UINT type = 0;
};

using MessageBoxFunction = std::function<int(const MessageBoxRequest&)>;

// Shows the message box (MessageBoxW unless replaced) and answers the button.
int ShowMessageBox(const MessageBoxRequest& request);
// An empty function puts the system's own back.
void SetMessageBoxForTesting(MessageBoxFunction function);

}  // namespace platform
