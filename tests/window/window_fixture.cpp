#include "tests/window/window_fixture.h"

#include "platform/application.h"

namespace window_test {

void MainWindowTest::SetUp() {
  profile_ = std::make_unique<test_support::TempFolder>();
  const std::string recent = *profile_ / "Recent";
  SetDataFolderSourceForTesting(
      settings::FolderSource{[recent]() -> std::optional<std::string> { return recent; }, nullptr});
  platform::SetShellOpenForTesting([this](const platform::ShellOpenRequest& r) { shell_requests_.push_back(r); });
  platform::SetMessageBoxForTesting([this](const platform::MessageBoxRequest& r) {
    message_boxes_.push_back(r);
    return IDOK;
  });
  platform::SetFolderDialogForTesting([this](const platform::FolderDialogRequest& r) {
    dialog_requests_.push_back(r);
    return dialog_answer_;
  });
  platform::Application->SetTitle(L"めるぼ HP");
  platform::Application->CreateForm(Form1);
  ASSERT_NE(Form1, nullptr);
  // Left hidden: under Wine without a window manager each hide of a shown
  // window waits about two seconds. Tests that need it shown show it.
  Pump();
}

void MainWindowTest::TearDown() {
  platform::Application->ReleaseForms();
  Form1 = nullptr;
  // Leave no quit request from a close behind for the next test.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
  platform::SetShellOpenForTesting(nullptr);
  platform::SetMessageBoxForTesting(nullptr);
  platform::SetFolderDialogForTesting(nullptr);
  SetDataFolderSourceForTesting(settings::FolderSource{});
  profile_.reset();
}

void MainWindowTest::Press(platform::TButton& button) { button.Click(); }

void MainWindowTest::Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::vector<std::string> MainWindowTest::Items() const {
  std::vector<std::string> items;
  const auto& list = Form1->lbDirList.Items();
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
  return items;
}

std::string Ansi(const std::wstring& text) {
  // The test texts stand for what a user of a Japanese system types.
  const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), length, nullptr,
                      nullptr);
  return bytes;
}

}  // namespace window_test
