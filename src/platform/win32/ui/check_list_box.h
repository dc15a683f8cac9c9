#pragma once
// A list with a tick box per item: an owner-drawn LISTBOX with strings that
// draws the tick boxes itself (themed when visual styles are on).
//
// User input: a click on an item's tick box toggles it and selects the item;
// the space bar toggles the selected item; typing searches the item titles.
// Every change of selection by the user (mouse, arrows, paging, search,
// Backspace) calls onUserSelect; selecting from the program does not.
#include <windows.h>

#include <functional>

#include "platform/text.h"
#include "platform/win32/ui/control.h"

namespace kelmarin::win32 {

class CheckListBox : public Control {
 public:
  // Creates the list as a child of parent with the given control id, bounds
  // (in parent client pixels) and font. Extra window styles (WS_TABSTOP,
  // WS_BORDER, ...) come from the caller.
  void Create(HWND parent, int id, const RECT& bounds, HFONT font, DWORD extraStyle,
              DWORD extraExStyle);

  // Appends an unticked item; throws ListInsertError when the list refuses.
  int Add(const Text& title);
  int Count() const;
  Text ItemText(int index) const;
  bool Checked(int index) const;
  // Changes the tick and redraws that tick box at once.
  void SetChecked(int index, bool checked);
  // The selected position, -1 when none.
  int Selected() const;
  // Selects and scrolls into view without calling onUserSelect.
  void Select(int index);

  std::function<void()> onUserSelect;

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void MeasureItems(HFONT font);
  void Draw(const DRAWITEMSTRUCT& item) const;
  // The left strip of an item that holds its tick box and reacts to clicks.
  int TickColumnWidth() const;
  RECT TickBoxRect(const RECT& item) const;
  // The item whose tick column holds the point, or -1.
  int TickColumnItemAt(int x, int y) const;
  void OnChar(unsigned char key);
  int FindByPrefix(const Text& prefix) const;
  void NotifyUserSelect();

  WNDPROC originalProc_ = nullptr;
  Text search_;
  DWORD lastSearchKey_ = 0;
  int tickSize_ = 13;
  int itemHeight_ = 16;
};

}  // namespace kelmarin::win32
