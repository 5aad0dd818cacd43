#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/button.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/list_box.h"

namespace platform {

// ---- TWinControl

TWinControl::TWinControl(TForm& parent, const wchar_t* class_name, DWORD style, DWORD ex_style,
                         const ControlLayout& layout, const std::wstring& caption)
    : parent_(parent), layout_(layout) {
  // Ids start above IDOK and IDCANCEL, so Enter and Esc, which the dialog
  // navigation reports as those ids, never look like a control's own message.
  const auto id = static_cast<INT_PTR>(100 + parent.controls_.size());
  handle_ = CreateWindowExW(ex_style, class_name, caption.c_str(), WS_CHILD | WS_VISIBLE | style, layout.left,
                            layout.top, std::max(layout.width, 0), std::max(layout.height, 0), parent.Handle(),
                            reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
  if (!handle_) throw Exception("コントロールを作成できません");
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(parent.font_), FALSE);
  parent.controls_.push_back(this);
}

TWinControl::~TWinControl() {
  auto& controls = parent_.controls_;
  controls.erase(std::remove(controls.begin(), controls.end(), this), controls.end());
  if (parent_.last_focus_ == handle_) parent_.last_focus_ = nullptr;
  DestroyWindow(handle_);
}

void TWinControl::SetLeft(int value) { layout_.left = value; ApplyBounds(); }
void TWinControl::SetTop(int value) { layout_.top = value; ApplyBounds(); }
void TWinControl::SetWidth(int value) { layout_.width = value; ApplyBounds(); }
void TWinControl::SetHeight(int value) { layout_.height = value; ApplyBounds(); }
void TWinControl::SetBounds(const ControlLayout& layout) { layout_ = layout; ApplyBounds(); }

void TWinControl::ApplyBounds() {
  // The window has no minimum size, so a size can come out below zero; the
  // system window then simply has no area.
  SetWindowPos(handle_, nullptr, layout_.left, layout_.top, std::max(layout_.width, 0),
               std::max(layout_.height, 0), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::Notify(int) {}

// ---- TEdit

TEdit::TEdit(TForm& parent, const ControlLayout& layout)
    : TWinControl(parent, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, layout) {
  // No length limit of our own (0 means the control's largest).
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

std::string TEdit::Text() const {
  // The control keeps UTF-16; the A call converts with the ANSI code page.
  // The reported length may count UTF-16 units, while a unit can take two
  // bytes, so the buffer has room for both readings.
  const int length = GetWindowTextLengthA(Handle());
  std::string text(static_cast<std::size_t>(length) * 2 + 2, '\0');
  GetWindowTextA(Handle(), text.data(), static_cast<int>(text.size()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

void TEdit::SetText(const std::string& text) { SetWindowTextA(Handle(), text.c_str()); }

// ---- TButton

TButton::TButton(TForm& parent, const ControlLayout& layout, const std::wstring& caption)
    : TWinControl(parent, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, layout, caption) {}

void TButton::Click() { SendMessageW(Handle(), BM_CLICK, 0, 0); }

void TButton::Notify(int code) {
  if (code == BN_CLICKED && OnClick) OnClick(this);
}

// ---- TListBox

EListError::EListError() : Exception("リストに項目を追加できません") {}

TListBox::TListBox(TForm& parent, const ControlLayout& layout)
    : TWinControl(parent, L"LISTBOX",
                  WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                  WS_EX_CLIENTEDGE, layout),
      items_(*this) {}

int TListBox::ItemIndex() const {
  const LRESULT index = SendMessageA(Handle(), LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

void TListBox::SetItemIndex(int index) { SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void TListBox::Notify(int code) {
  if (code == LBN_SELCHANGE && OnClick) OnClick(this);
}

int TListBoxItems::Count() const { return static_cast<int>(SendMessageA(list_.Handle(), LB_GETCOUNT, 0, 0)); }

std::string TListBoxItems::Strings(int index) const {
  const LRESULT length = SendMessageA(list_.Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return std::string();
  // As for the edit box: room for the length read as bytes or as UTF-16.
  std::string text(static_cast<std::size_t>(length) * 2 + 2, '\0');
  SendMessageA(list_.Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

int TListBoxItems::IndexOf(const std::string& text) const {
  // -1: search the whole list from its start. The match ignores letter case.
  const LRESULT index = SendMessageA(list_.Handle(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(text.c_str()));
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

int TListBoxItems::Add(const std::string& text) {
  const LRESULT index =
      SendMessageA(list_.Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index == LB_ERR || index == LB_ERRSPACE) throw EListError();
  return static_cast<int>(index);
}

void TListBoxItems::Clear() { SendMessageA(list_.Handle(), LB_RESETCONTENT, 0, 0); }

void TListBoxItems::BeginUpdate() {
  if (update_count_++ == 0) SendMessageA(list_.Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListBoxItems::EndUpdate() {
  if (update_count_ == 0) return;
  if (--update_count_ == 0) {
    SendMessageA(list_.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_.Handle(), nullptr, TRUE);
  }
}

}  // namespace platform
