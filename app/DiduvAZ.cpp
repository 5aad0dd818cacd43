#include "app/DiduvAZ.h"

#include <windows.h>

#include <string>

#include "app/settings/window_settings.h"
#include "indexer/make_index_page.h"
#include "platform/application.h"
#include "platform/folder_dialog.h"
#include "platform/shell_open.h"
#include "platform/trailing_backslash.h"

TForm1* Form1 = nullptr;
std::string DataDir;

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

settings::FolderSource& DataFolderSource() {
  static settings::FolderSource source = settings::ShellFolders();
  return source;
}

// Both file names follow the running executable, worked out afresh each time.
settings::SettingsStore Store() { return settings::SettingsStore(DataDir, platform::Application->ExeName()); }

class RedrawSuspended {
 public:
  explicit RedrawSuspended(platform::TListBoxItems& items) : items_(items) { items_.BeginUpdate(); }
  ~RedrawSuspended() { items_.EndUpdate(); }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;

 private:
  platform::TListBoxItems& items_;
};

}  // namespace

void SetDataFolderSourceForTesting(settings::FolderSource source) {
  DataFolderSource() = source.recent ? std::move(source) : settings::ShellFolders();
}

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
  DataDir = settings::PrepareDataDir(DataFolderSource());
  const settings::SettingsStore store = Store();
  const settings::SavedWindow saved = store.Read();
  // Saved values apply as they are, unless they would open the window where
  // no monitor shows it.
  const settings::WindowBounds bounds = settings::MendOffScreen(saved.bounds);
  SetTop(bounds.top);
  SetLeft(bounds.left);
  SetHeight(bounds.height);
  SetWidth(bounds.width);
  tbDir.SetText(saved.dir);

  // A history that cannot be read, or that the list stops taking, leaves
  // what was loaded so far; the window works without it.
  try {
    std::vector<std::string> lines;
    if (!store.LoadHistory(lines)) return;
    platform::TListBoxItems& items = lbDirList.Items();
    RedrawSuspended suspended(items);
    items.Clear();
    for (const std::string& line : lines) items.Add(line);
  } catch (const std::exception&) {
  }
}

void TForm1::FormClose(platform::TObject*, platform::TCloseAction&) {
  const settings::SettingsStore store = Store();
  // A refused write leaves here: the error report shows it and the window
  // stays open, so the next close tries everything again.
  store.Write({{Left(), Top(), Width(), Height()}, tbDir.Text()});

  // The history is a convenience: failing to save it does not keep the
  // window open.
  try {
    const platform::TListBoxItems& items = lbDirList.Items();
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(items.Count()));
    for (int i = 0; i < items.Count(); ++i) lines.push_back(items.Strings(i));
    store.SaveHistory(lines);
  } catch (const std::exception&) {
  }
}

void TForm1::lbDirListClick(platform::TObject*) {
  const int index = lbDirList.ItemIndex();
  if (index < 0) return;
  tbDir.SetText(lbDirList.Items().Strings(index));
}
