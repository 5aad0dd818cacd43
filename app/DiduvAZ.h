// The main window: a folder path, the commands on it and the history of the
// folders made.
#pragma once

#include <string>

#include "app/settings/data_dir.h"
#include "platform/button.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/list_box.h"

class TForm1 : public platform::TForm {
 public:
  TForm1();

  platform::TEdit tbDir;
  platform::TButton btnDir;
  platform::TButton btnMake;
  platform::TButton btnShow;
  platform::TListBox lbDirList;

  void FormResize(platform::TObject* Sender);
  void btnDirClick(platform::TObject* Sender);
  void btnMakeClick(platform::TObject* Sender);
  void btnShowClick(platform::TObject* Sender);
  void FormCreate(platform::TObject* Sender);
  void FormClose(platform::TObject* Sender, platform::TCloseAction& Action);
  void lbDirListClick(platform::TObject* Sender);
};

// The one main window, stored by the application before it is built.
extern TForm1* Form1;

// The tool's data folder, ending with a backslash; set by FormCreate.
extern std::string DataDir;

// Where FormCreate looks for the user's recent-documents folder: the shell
// unless a test points it at a folder of its own. An empty source puts the
// shell back.
void SetDataFolderSourceForTesting(settings::FolderSource source);
