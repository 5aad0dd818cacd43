// The program's entry: the application object, the main window and the
// message loop. No command line is read.
#include <windows.h>

#include "app/DiduvAZ.h"
#include "platform/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    platform::Application->Initialize();
    platform::Application->SetTitle(L"めるぼ HP");
    platform::Application->CreateForm(Form1);
    platform::Application->Run();
  } catch (...) {
    platform::Application->HandleException();
  }
  platform::Application->ReleaseForms();
  Form1 = nullptr;
  return 0;
}
