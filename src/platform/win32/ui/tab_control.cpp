#include "platform/win32/ui/tab_control.h"

#include <commctrl.h>

#include "platform/win32/ui/child_window.h"

namespace kelmarin::win32 {

void TabControl::Create(HWND parent, int id, const RECT& bounds, HFONT font, DWORD extraStyle) {
  HWND hwnd = CreateChildWindow(WC_TABCONTROLA, parent, id, bounds, TCS_TABS | extraStyle, 0,
                                Text(), font);
  if (hwnd) Attach(hwnd);
}

void TabControl::AddTab(const Text& caption) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(caption.c_str());
  SendMessageA(Handle(), TCM_INSERTITEMA, Count(), reinterpret_cast<LPARAM>(&item));
}

int TabControl::Count() const {
  return static_cast<int>(SendMessageA(Handle(), TCM_GETITEMCOUNT, 0, 0));
}

Text TabControl::TabText(int index) const {
  char buffer[256] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  if (!SendMessageA(Handle(), TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return Text();
  return Text(item.pszText);
}

int TabControl::Selected() const {
  return static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
}

void TabControl::Select(int index) { SendMessageA(Handle(), TCM_SETCURSEL, index, 0); }

RECT TabControl::DisplayRect() const {
  RECT area{};
  GetClientRect(Handle(), &area);
  SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  MapWindowPoints(Handle(), GetParent(Handle()), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

bool TabControl::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (message != WM_NOTIFY) return false;
  if (reinterpret_cast<NMHDR*>(lParam)->code != static_cast<UINT>(TCN_SELCHANGE)) return false;
  if (onChange) onChange();
  *result = 0;
  return true;
}

}  // namespace kelmarin::win32
