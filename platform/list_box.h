// A sorted single-selection list box (the system's LISTBOX) and its items.
// Windows only.
#pragma once

#include <string>

#include "platform/component.h"
#include "platform/in_out_error.h"

namespace platform {

// The list box could not take another item (LB_ERR or LB_ERRSPACE).
class EListError : public Exception {
 public:
  EListError();
};

class TListBox;

// The items of a list box, each one line of ANSI bytes.
class TListBoxItems {
 public:
  explicit TListBoxItems(TListBox& list) : list_(list) {}

  int Count() const;
  // The text of the item at `index` (0 <= index < Count()), of any length.
  std::string Strings(int index) const;
  std::string operator[](int index) const { return Strings(index); }
  // The position of the item equal to `text` ignoring letter case, or -1.
  int IndexOf(const std::string& text) const;
  // Adds `text` at its sorted place and answers that place; raises
  // EListError when the list refuses it.
  int Add(const std::string& text);
  void Clear();
  // Nested pairs suspend redrawing until the outermost EndUpdate.
  void BeginUpdate();
  void EndUpdate();

 private:
  TListBox& list_;
  int update_count_ = 0;
};

class TListBox : public TWinControl {
 public:
  TListBox(TForm& parent, const ControlLayout& layout);

  TListBoxItems& Items() { return items_; }
  const TListBoxItems& Items() const { return items_; }

  // The selected position, -1 when nothing is selected.
  int ItemIndex() const;
  void SetItemIndex(int index);

  // Runs when the user selects an item, with the mouse or the keyboard.
  TNotifyEvent OnClick;

  void Notify(int code) override;

 private:
  TListBoxItems items_;
};

}  // namespace platform
