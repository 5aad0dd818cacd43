#include "app/DiduvAZ.h"

#include <windows.h>

#include <string>

#include "indexer/make_index_page.h"
#include "platform/folder_dialog.h"
#include "platform/shell_open.h"
#include "platform/trailing_backslash.h"

TForm1* Form1 = nullptr;

namespace {

using platform::ControlLayout;

// The layout, designed at 96 pixels per inch with a 12-pixel text height.
// Controls are created in tab order.
platform::FormDesign MainWindowDesign() {
  platform::FormDesign design;
  design.window_class = L"TForm1";
  design.caption = L"めるぼ HP";
  design.left = 211;
  design.top = 134;
  design.width = 300;
  design.height = 244;
  design.font_name = L"ＭＳ Ｐゴシック";
  design.font_height = 12;
  design.font_charset = SHIFTJIS_CHARSET;
  return design;
}

constexpr ControlLayout kDirLayout{8, 8, 249, 20};
constexpr ControlLayout kDirButtonLayout{256, 8, 25, 20};
constexpr ControlLayout kMakeLayout{8, 32, 75, 25};
constexpr ControlLayout kShowLayout{88, 32, 75, 25};
constexpr ControlLayout kDirListLayout{8, 64, 273, 145};

// The offsets of the resize rule, plain pixels of the outer size.
constexpr int kDirWidthMargin = 50;
constexpr int kDirButtonLeftMargin = 43;
constexpr int kDirListWidthMargin = 27;
constexpr int kDirListHeightMargin = 100;

constexpr char kPageName[] = "RevavE.html";

}  // namespace

TForm1::TForm1()
    : TForm(MainWindowDesign()),
      tbDir(*this, kDirLayout),
      btnDir(*this, kDirButtonLayout, L"..."),
      btnMake(*this, kMakeLayout, L"作成(&M)"),
      btnShow(*this, kShowLayout, L"表示(&S)"),
      lbDirList(*this, kDirListLayout) {
  OnResize = [this](platform::TObject* Sender) { FormResize(Sender); };
  OnCreate = [this](platform::TObject* Sender) { FormCreate(Sender); };
  OnClose = [this](platform::TObject* Sender, platform::TCloseAction& Action) { FormClose(Sender, Action); };
  btnDir.OnClick = [this](platform::TObject* Sender) { btnDirClick(Sender); };
  btnMake.OnClick = [this](platform::TObject* Sender) { btnMakeClick(Sender); };
  btnShow.OnClick = [this](platform::TObject* Sender) { btnShowClick(Sender); };
  lbDirList.OnClick = [this](platform::TObject* Sender) { lbDirListClick(Sender); };
}

void TForm1::FormResize(platform::TObject*) {
  const int width = Width();
  const int height = Height();
  tbDir.SetWidth(width - kDirWidthMargin);
  btnDir.SetLeft(width - kDirButtonLeftMargin);
  lbDirList.SetWidth(width - kDirListWidthMargin);
  lbDirList.SetHeight(height - kDirListHeightMargin);
}

void TForm1::btnDirClick(platform::TObject*) {
  std::string folder = tbDir.Text();
  // OK or cancel makes no difference below: a cancelled pick still loses
  // one trailing backslash.
  platform::SelectDirectory(folder);
  if (folder.empty()) return;
  tbDir.SetText(platform::DropTrailingBackslashAnsi(folder));
}

void TForm1::btnMakeClick(platform::TObject* Sender) {
  const std::string folder = tbDir.Text();
  if (folder.empty()) return;
  // Whether a page was written does not matter: the folder is recorded and
  // its page asked for all the same.
  indexer::MakeIndexPage(folder);
  if (lbDirList.Items().IndexOf(folder) < 0) lbDirList.Items().Add(folder);
  btnShowClick(Sender);
}

void TForm1::btnShowClick(platform::TObject*) {
  const std::string folder = tbDir.Text();
  if (folder.empty()) return;
  platform::ShellOpenRequest request;
  request.owner = nullptr;
  request.verb = "Open";
  request.file = folder + "\\" + kPageName;
  request.show_command = SW_SHOWNORMAL;
  platform::ShellOpen(request);
}

void TForm1::FormCreate(platform::TObject*) {
  // The first-run bounds until the saved ones are read.
  SetTop(0);
  SetLeft(0);
  SetHeight(400);
  SetWidth(600);
}

void TForm1::FormClose(platform::TObject*, platform::TCloseAction&) {}

void TForm1::lbDirListClick(platform::TObject*) {
  const int index = lbDirList.ItemIndex();
  if (index < 0) return;
  tbDir.SetText(lbDirList.Items().Strings(index));
}
