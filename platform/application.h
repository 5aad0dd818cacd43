// The application object: title, main form, message loop, executable path
// and the default error report. Windows only.
#pragma once

#include <windows.h>

#include <exception>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "platform/form.h"

namespace platform {

class TApplication {
 public:
  void Initialize();

  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& title) { title_ = title; }

  // Stores the new form in `reference` before its construction begins, so
  // the form's own code may use it; resets it when construction fails. The
  // first form created becomes the main form. The application owns it.
  template <class T>
  void CreateForm(T*& reference);

  // Shows the main form in the show state the process was started with and
  // processes messages until the main form has closed.
  void Run();
  // Ends the message loop.
  void Terminate();
  // Handles the messages waiting for this thread as the loop does, with the
  // same keyboard navigation, and returns once none is left.
  void ProcessMessages();

  TForm* MainForm() const { return main_form_; }
  // Destroys every form; the main form is none afterwards.
  void ReleaseForms();

  // Full path of the running executable, in the ANSI code page.
  std::string ExeName() const;

  // The default error report: one modal message box, captioned with the
  // title, stop icon and OK, owned by the main window.
  void ShowException(const std::exception& error);
  // The same for the exception being handled; call it inside a catch block.
  void HandleException() noexcept;

 private:
  void Adopt(TForm* form);
  void Dispatch(MSG& message);

  std::wstring title_;
  std::vector<std::unique_ptr<TForm>> forms_;
  TForm* main_form_ = nullptr;
};

extern TApplication* Application;

template <class T>
void TApplication::CreateForm(T*& reference) {
  void* memory = ::operator new(sizeof(T));
  reference = static_cast<T*>(memory);
  T* form = nullptr;
  try {
    form = new (memory) T();
  } catch (...) {
    reference = nullptr;
    ::operator delete(memory);
    throw;
  }
  Adopt(form);
  form->AfterConstruction();
}

}  // namespace platform
