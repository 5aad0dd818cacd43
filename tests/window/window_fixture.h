// The real main window for a test: built as the program builds it, with the
// shell, the folder dialog and the message box replaced by recorders.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/DiduvAZ.h"
#include "platform/folder_dialog.h"
#include "platform/message_box.h"
#include "platform/shell_open.h"
#include "tests/support/temp_tree.h"

namespace window_test {

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Presses a button as the user does; its handler runs through the
  // window's own notification path and error report.
  static void Press(platform::TButton& button);
  // Processes the messages waiting for this thread.
  static void Pump();
  std::vector<std::string> Items() const;

  // The data folder lies here, so no test reads or writes the settings of
  // the prefix's own user.
  std::unique_ptr<test_support::TempFolder> profile_;
  std::vector<platform::ShellOpenRequest> shell_requests_;
  std::vector<platform::MessageBoxRequest> message_boxes_;
  std::vector<platform::FolderDialogRequest> dialog_requests_;
  // What the folder dialog answers next: a folder, or nothing for cancel.
  std::optional<std::string> dialog_answer_;
};

// Bytes of the system's ANSI code page for a wide text.
std::string Ansi(const std::wstring& text);

}  // namespace window_test
