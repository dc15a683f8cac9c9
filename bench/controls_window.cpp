// The floor of the start-up: a window with the same system controls as the
// main window (taken from its design table), common controls version 6 and
// nothing else: no fonts, no layout, no settings, no registry. What
// Kelmarin.exe takes beyond this is its own code; what this takes beyond the
// minimal window is the price of the controls themselves.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "app/form1_design.h"
#include "bare_window.h"

namespace {

const char kPageClass[] = "KelmarinBenchPage";

struct Bare {
  const char* windowClass;
  DWORD style;
  DWORD exStyle;
};

Bare BareOf(kelmarin::ControlKind kind) {
  using kelmarin::ControlKind;
  switch (kind) {
    case ControlKind::PageControl: return {WC_TABCONTROLA, WS_TABSTOP, 0};
    case ControlKind::TabSheet:
    case ControlKind::Panel: return {kPageClass, 0, WS_EX_CONTROLPARENT};
    case ControlKind::Label: return {"STATIC", SS_LEFT, 0};
    case ControlKind::Edit: return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Button: return {"BUTTON", WS_TABSTOP, 0};
    case ControlKind::CheckListBox:
      return {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox: return {"COMBOBOX", WS_TABSTOP | CBS_DROPDOWN, 0};
    case ControlKind::CheckBox: return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::ProgressBar: return {PROGRESS_CLASSA, 0, 0};
  }
  return {"STATIC", 0, 0};
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  using kelmarin::bench::RegisterBareClass;
  if (!RegisterBareClass(instance, "KelmarinBenchControls") ||
      !RegisterBareClass(instance, kPageClass)) {
    return 1;
  }
  HWND window = CreateWindowExA(0, "KelmarinBenchControls", "Kelmarin bench controls window",
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 136, 111, 544, 375,
                                nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  // The pages stand on the window over the tab control, as in the main
  // window; only the first page is shown at the start.
  const auto designs = kelmarin::Form1Controls();
  std::vector<HWND> handles;
  HWND tabs = nullptr;
  bool pageShown = false;
  for (const kelmarin::ControlDesign& design : designs) {
    HWND parent = window;
    for (size_t i = 0; i < handles.size(); ++i) {
      if (std::strcmp(designs[i].name, design.parent) == 0 &&
          designs[i].kind != kelmarin::ControlKind::PageControl) {
        parent = handles[i];
      }
    }
    const Bare bare = BareOf(design.kind);
    const kelmarin::Box& b = design.bounds;
    bool visible = !(design.options & kelmarin::kHiddenAtStart);
    if (design.kind == kelmarin::ControlKind::TabSheet) {
      visible = !pageShown;
      pageShown = true;
      if (tabs && !(design.options & kelmarin::kTabHidden)) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<char*>(design.text);
        SendMessageA(tabs, TCM_INSERTITEMA, TabCtrl_GetItemCount(tabs),
                     reinterpret_cast<LPARAM>(&tab));
      }
    }
    HWND control = CreateWindowExA(
        bare.exStyle, bare.windowClass, design.text,
        WS_CHILD | (visible ? WS_VISIBLE : 0) | bare.style, b.left, b.top, b.width, b.height,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + handles.size())), instance,
        nullptr);
    if (design.kind == kelmarin::ControlKind::PageControl) tabs = control;
    for (const char* item : design.items) {
      SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    handles.push_back(control);
  }
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  return kelmarin::bench::RunMessageLoop();
}
