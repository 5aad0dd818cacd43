#include <windows.h>

#include "platform/ansi_text.h"
#include "platform/application.h"
#include "platform/error_text.h"
#include "platform/in_out_error.h"
#include "platform/message_box.h"
#include "platform/win/wide_text.h"

namespace platform {

namespace {
TApplication the_application;
}  // namespace

TApplication* Application = &the_application;

void TApplication::Initialize() {}

void TApplication::Adopt(TForm* form) {
  forms_.emplace_back(form);
  if (!main_form_) main_form_ = form;
}

void TApplication::ReleaseForms() {
  main_form_ = nullptr;
  while (!forms_.empty()) forms_.pop_back();
}

void TApplication::Run() {
  if (main_form_) {
    // The starter's show state (minimised, maximised) when it gave one.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    main_form_->Show((startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
}

void TApplication::Dispatch(MSG& message) {
  // The dialog navigation gives Tab, the access keys and Enter on a button.
  const HWND main = main_form_ ? main_form_->Handle() : nullptr;
  if (main && IsDialogMessageW(main, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Left for the loop that waits for it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

void TApplication::Terminate() { PostQuitMessage(0); }

std::string TApplication::ExeName() const { return ExecutablePath(); }

void TApplication::ShowException(const std::exception& error) {
  MessageBoxRequest request;
  request.owner = main_form_ ? main_form_->Handle() : nullptr;
  // Our messages are UTF-8 whatever the ANSI code page.
  request.text = ToWide(ErrorReportText(error.what()), CP_UTF8);
  request.caption = title_;
  request.type = MB_OK | MB_ICONSTOP;
  ShowMessageBox(request);
}

void TApplication::HandleException() noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& error) {
      ShowException(error);
    } catch (...) {
      ShowException(Exception("予期しないエラーが発生しました"));
    }
  } catch (...) {
    // The report itself failed (no memory for the text): nothing more to do.
  }
}

}  // namespace platform
