#include "platform/win32/ui/check_list_box.h"

#include <uxtheme.h>
#include <vsstyle.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/errors.h"

namespace kelmarin::win32 {

namespace {

// The list box's own window procedure, kept on the window as well, so that
// messages still reach it should the wrapper go before the window does.
const char kOriginalProcProperty[] = "KelmarinListProc";

// A longer pause between typed keys starts a new search, as in the system's
// own lists.
const DWORD kSearchPause = 500;

// Tick box size at 96 dots per inch; scaled with the screen's resolution.
const int kTickBoxSize = 13;
const int kTickMargin = 2;
const int kTextIndent = 2;

// Fold a code page 1251 byte to lower case, so that the search does not
// depend on the ANSI code page of the machine it runs on.
unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x80: return 0x90;  // Ђ ђ
    case 0x81: return 0x83;  // Ѓ ѓ
    case 0x8A: return 0x9A;  // Љ љ
    case 0x8C: return 0x9C;  // Њ њ
    case 0x8D: return 0x9D;  // Ќ ќ
    case 0x8E: return 0x9E;  // Ћ ћ
    case 0x8F: return 0x9F;  // Џ џ
    case 0xA1: return 0xA2;  // Ў ў
    case 0xA3: return 0xBC;  // Ј ј
    case 0xA5: return 0xB4;  // Ґ ґ
    case 0xA8: return 0xB8;  // Ё ё
    case 0xAA: return 0xBA;  // Є є
    case 0xAF: return 0xBF;  // Ї ї
    case 0xB2: return 0xB3;  // І і
    case 0xBD: return 0xBE;  // Ѕ ѕ
    default: return c;
  }
}

bool StartsWithIgnoringCase(const Text& text, const Text& prefix) {
  if (prefix.size() > text.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
    return FoldCase(static_cast<unsigned char>(a)) == FoldCase(static_cast<unsigned char>(b));
  });
}

// uxtheme.dll is looked up at run time: Windows 2000 has none, and the
// program has to start there too, drawing classic tick boxes.
struct ThemeApi {
  BOOL(WINAPI* isAppThemed)() = nullptr;
  HTHEME(WINAPI* openThemeData)(HWND, LPCWSTR) = nullptr;
  HRESULT(WINAPI* closeThemeData)(HTHEME) = nullptr;
  HRESULT(WINAPI* drawThemeBackground)(HTHEME, HDC, int, int, const RECT*, const RECT*) = nullptr;

  bool Present() const {
    return isAppThemed && openThemeData && closeThemeData && drawThemeBackground;
  }
};

template <typename Function>
void LoadProc(HMODULE module, const char* name, Function* function) {
  *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const ThemeApi& Uxtheme() {
  static const ThemeApi api = [] {
    ThemeApi loaded;
    if (HMODULE module = LoadLibraryA("uxtheme.dll")) {
      LoadProc(module, "IsAppThemed", &loaded.isAppThemed);
      LoadProc(module, "OpenThemeData", &loaded.openThemeData);
      LoadProc(module, "CloseThemeData", &loaded.closeThemeData);
      LoadProc(module, "DrawThemeBackground", &loaded.drawThemeBackground);
    }
    return loaded;
  }();
  return api;
}

bool DrawThemedTickBox(HWND hwnd, HDC dc, const RECT& box, bool checked, bool disabled) {
  const ThemeApi& ux = Uxtheme();
  if (!ux.Present() || !ux.isAppThemed()) return false;
  HTHEME theme = ux.openThemeData(hwnd, L"BUTTON");
  if (!theme) return false;
  int state = checked ? (disabled ? CBS_CHECKEDDISABLED : CBS_CHECKEDNORMAL)
                      : (disabled ? CBS_UNCHECKEDDISABLED : CBS_UNCHECKEDNORMAL);
  HRESULT drawn = ux.drawThemeBackground(theme, dc, BP_CHECKBOX, state, &box, nullptr);
  ux.closeThemeData(theme);
  return SUCCEEDED(drawn);
}

void DrawTickBox(HWND hwnd, HDC dc, const RECT& box, bool checked, bool disabled) {
  if (DrawThemedTickBox(hwnd, dc, box, checked, disabled)) return;
  RECT frame = box;
  DrawFrameControl(dc, &frame, DFC_BUTTON,
                   DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0) | (disabled ? DFCS_INACTIVE : 0));
}

class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Selects a font into a device context for one scope; no font, no change.
class SelectedFont {
 public:
  SelectedFont(HDC dc, HFONT font) : dc_(dc), old_(font ? SelectObject(dc, font) : nullptr) {}
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;
  ~SelectedFont() {
    if (old_) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

void CheckListBox::Create(HWND parent, int id, const RECT& bounds, HFONT font, DWORD extraStyle,
                          DWORD extraExStyle) {
  // Items stay in the order added and one item at a time is selected,
  // whatever the caller asks for.
  extraStyle &= ~static_cast<DWORD>(LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL |
                                    LBS_OWNERDRAWVARIABLE | LBS_NODATA);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | extraStyle;
  HWND hwnd = CreateWindowExA(extraExStyle, "LISTBOX", "", style, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) throw Error("Error creating window");
  Attach(hwnd);
  if (font) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // The list asks its parent for the item height while it is being created,
  // before this wrapper is attached; so the height is set here.
  MeasureItems(font);

  originalProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
  SetPropA(hwnd, kOriginalProcProperty, reinterpret_cast<HANDLE>(originalProc_));
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc));
}

void CheckListBox::MeasureItems(HFONT font) {
  WindowDc dc(Handle());
  SelectedFont selected(dc.Get(), font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc.Get(), &metrics);
  tickSize_ = MulDiv(kTickBoxSize, GetDeviceCaps(dc.Get(), LOGPIXELSY), 96);
  itemHeight_ = std::max<int>(metrics.tmHeight + 2, tickSize_ + 2);
  SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(itemHeight_, 0));
}

int CheckListBox::Add(const Text& title) {
  LRESULT index = SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
  if (index == LB_ERR || index == LB_ERRSPACE) throw ListInsertError();
  SendMessageA(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(index), 0);
  return static_cast<int>(index);
}

int CheckListBox::Count() const {
  LRESULT count = SendMessageA(Handle(), LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

Text CheckListBox::ItemText(int index) const {
  LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length <= 0) return Text();
  Text text(static_cast<size_t>(length) + 1, '\0');
  LRESULT copied =
      SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  if (copied == LB_ERR) return Text();
  text.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return text;
}

bool CheckListBox::Checked(int index) const {
  LRESULT data = SendMessageA(Handle(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
  return data != LB_ERR && data != 0;
}

void CheckListBox::SetChecked(int index, bool checked) {
  if (SendMessageA(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(index), checked ? 1 : 0) == LB_ERR) {
    return;
  }
  RECT item;
  if (SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
    InvalidateRect(Handle(), &item, FALSE);
    UpdateWindow(Handle());
  }
}

int CheckListBox::Selected() const {
  LRESULT selected = SendMessageA(Handle(), LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void CheckListBox::Select(int index) {
  SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool CheckListBox::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(itemHeight_);
      *result = TRUE;
      return true;
    case WM_DRAWITEM:
      Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      *result = TRUE;
      return true;
    case WM_COMMAND:
      if (HIWORD(wParam) != LBN_SELCHANGE) return false;
      if (onUserSelect) onUserSelect();
      *result = 0;
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK CheckListBox::SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  // Only Create puts this procedure on a window, and only on a CheckListBox.
  auto* list = static_cast<CheckListBox*>(Control::FromHandle(hwnd));
  if (list && message != WM_NCDESTROY) return list->HandleMessage(message, wParam, lParam);
  // The window is going, or has outlived its wrapper: the list's own
  // procedure, kept with the window, takes over.
  auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOriginalProcProperty));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropA(hwnd, kOriginalProcProperty);
  }
  return CallWindowProcA(original, hwnd, message, wParam, lParam);
}

LRESULT CheckListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // Found before the list handles the click, since selecting a partly
      // hidden item scrolls it.
      int ticked = TickColumnItemAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      LRESULT result = CallWindowProcA(originalProc_, Handle(), message, wParam, lParam);
      if (ticked >= 0) SetChecked(ticked, !Checked(ticked));
      return result;
    }
    case WM_CHAR:
      // Never passed on: the list's own type-ahead would fight the search.
      OnChar(static_cast<unsigned char>(wParam));
      return 0;
    default:
      return CallWindowProcA(originalProc_, Handle(), message, wParam, lParam);
  }
}

void CheckListBox::OnChar(unsigned char key) {
  if (key == ' ') {
    int selected = Selected();
    if (selected >= 0) SetChecked(selected, !Checked(selected));
    return;
  }
  DWORD now = GetTickCount();
  if (key == '\b') {
    if (!search_.empty()) search_.pop_back();
  } else if (key < 0x20 || key == 0x7F) {
    return;
  } else {
    if (now - lastSearchKey_ > kSearchPause) search_.clear();
    search_.push_back(static_cast<char>(key));
  }
  lastSearchKey_ = now;

  if (search_.empty()) {
    // Also in an empty list: the user's handler then finds no selection.
    if (Count() > 0) Select(0);
    NotifyUserSelect();
    return;
  }
  int found = FindByPrefix(search_);
  if (found < 0) return;
  Select(found);
  NotifyUserSelect();
}

int CheckListBox::FindByPrefix(const Text& prefix) const {
  int count = Count();
  for (int i = 0; i < count; ++i) {
    if (StartsWithIgnoringCase(ItemText(i), prefix)) return i;
  }
  return -1;
}

// Sent as the list itself reports a change of selection, so that every user
// selection reaches onUserSelect the same way, through the container (which
// is where a failing handler is caught).
void CheckListBox::NotifyUserSelect() {
  SendMessageA(GetParent(Handle()), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(Handle()), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Handle()));
}

int CheckListBox::TickColumnWidth() const { return kTickMargin + tickSize_ + kTickMargin; }

RECT CheckListBox::TickBoxRect(const RECT& item) const {
  int top = item.top + (item.bottom - item.top - tickSize_) / 2;
  int left = item.left + kTickMargin;
  return RECT{left, top, left + tickSize_, top + tickSize_};
}

int CheckListBox::TickColumnItemAt(int x, int y) const {
  LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
  if (hit == LB_ERR || HIWORD(hit) != 0) return -1;
  int index = LOWORD(hit);
  RECT item;
  if (SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
    return -1;
  }
  POINT point{x, y};
  if (!PtInRect(&item, point) || x >= item.left + TickColumnWidth()) return -1;
  return index;
}

void CheckListBox::Draw(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  if (item.itemID == static_cast<UINT>(-1)) {
    // An empty list with the focus shows just the focus rectangle.
    if (item.itemAction & ODA_FOCUS) DrawFocusRect(dc, &item.rcItem);
    return;
  }
  int index = static_cast<int>(item.itemID);
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  bool disabled = (item.itemState & ODS_DISABLED) != 0;

  // The whole item is drawn afresh for every action, the change of focus
  // included, which also wipes an earlier focus rectangle.
  RECT column = item.rcItem;
  column.right = std::min<LONG>(column.left + TickColumnWidth(), column.right);
  FillRect(dc, &column, GetSysColorBrush(COLOR_WINDOW));
  DrawTickBox(Handle(), dc, TickBoxRect(item.rcItem), Checked(index), disabled);

  RECT textArea = item.rcItem;
  textArea.left = column.right;
  FillRect(dc, &textArea, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  COLORREF colour = GetSysColor(disabled ? COLOR_GRAYTEXT
                                         : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  COLORREF oldColour = SetTextColor(dc, colour);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  {
    SelectedFont font(dc, reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
    Text title = ItemText(index);
    RECT textRect = textArea;
    textRect.left += kTextIndent;
    DrawTextA(dc, title.data(), static_cast<int>(title.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColour);

  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    DrawFocusRect(dc, &textArea);
  }
}

}  // namespace kelmarin::win32
