#include "e2e/kelmarin_session.h"

#include <algorithm>

#include "app/form1_design.h"
#include "support/stand_in.h"

namespace kelmarin::e2e {

namespace {

constexpr char kExeName[] = "Kelmarin.exe";
constexpr int kFirstControlId = 100;
constexpr UINT kCodePage = 1251;

// Sent with a time limit: a program that hangs must fail the test, not
// stop it. A message that times out answers -1.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result)) {
    return -1;
  }
  return static_cast<LRESULT>(result);
}

std::wstring Wide(const Text& text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                      length);
  return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage) {
  if (wide.empty()) return {};
  int length = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                   nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                      length, nullptr, nullptr);
  return text;
}

// Windows of another process answer only in UTF-16 when asked from outside
// (Wine does not carry a cross-process LB_GETTEXT in the A variant), so
// every text is read wide and turned back into code page 1251 here.
Text WindowText(HWND window) {
  auto length = Send(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  auto got = Send(window, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
  wide.resize(static_cast<size_t>(std::clamp<LRESULT>(got, 0, length)));
  return Narrow(wide, kCodePage);
}

Text ClassOf(HWND window) {
  char name[64] = {};
  int length = GetClassNameA(window, name, sizeof name);
  return Text(name, length > 0 ? static_cast<size_t>(length) : 0);
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM data) WINAPI -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (ProcessOf(window) == s->processId) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The message text of a message box: the static child with the longest
// text (the other static holds the icon).
Text BoxText(HWND box) {
  struct Search {
    Text text;
  } search;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM data) WINAPI -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (_stricmp(ClassOf(child).c_str(), "Static") == 0) {
          Text text = WindowText(child);
          if (text.size() > s->text.size()) s->text = text;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.text;
}

}  // namespace

std::string Utf8(const Text& text) { return Narrow(Wide(text), CP_UTF8); }

KelmarinSession::KelmarinSession(const Text& folder) {
  Text built = test_support::FindAbove(kExeName);
  exePath_ = folder + "\\" + kExeName;
  if (built.empty() || !CopyFileA(built.c_str(), exePath_.c_str(), FALSE)) return;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  Text commandLine = "\"" + exePath_ + "\"";
  if (!CreateProcessA(exePath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &started)) {
    return;
  }
  process_.Reset(started.hProcess);
  CloseHandle(started.hThread);
  processId_ = started.dwProcessId;
}

KelmarinSession::~KelmarinSession() {
  if (Running()) {
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), kWaitMs);
  }
}

bool KelmarinSession::WaitForMainWindow() {
  const Text caption = kForm1.caption;
  return PollUntil([&] {
    if (!Running()) return false;
    for (HWND window : TopLevelWindowsOf(processId_)) {
      char text[256] = {};
      GetWindowTextA(window, text, sizeof text);
      if (caption == text && IsWindowVisible(window)) {
        form_ = window;
        return true;
      }
    }
    return false;
  });
}

HWND KelmarinSession::Control(const char* name) const {
  const ControlDesign* design = FindDesign(name);
  if (!design || !form_) return nullptr;
  struct Search {
    int id;
    HWND found;
  } search{kFirstControlId + static_cast<int>(design - Form1Controls().data()), nullptr};
  EnumChildWindows(
      form_,
      [](HWND child, LPARAM data) WINAPI -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) != s->id) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<Text> KelmarinSession::Items() const {
  HWND list = Control("CheckListBox1");
  std::vector<Text> items;
  auto count = Send(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    auto length = Send(list, LB_GETTEXTLEN, i, 0);
    if (length <= 0) {
      items.emplace_back();
      continue;
    }
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    auto got = Send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(static_cast<size_t>(std::clamp<LRESULT>(got, 0, length)));
    items.push_back(Narrow(wide, kCodePage));
  }
  return items;
}

int KelmarinSession::IndexOf(const Text& title) const {
  std::vector<Text> items = Items();
  auto found = std::find(items.begin(), items.end(), title);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

bool KelmarinSession::Ticked(int index) const {
  auto data = Send(Control("CheckListBox1"), LB_GETITEMDATA, index, 0);
  return data != LB_ERR && data != 0;
}

void KelmarinSession::Tick(int index) {
  HWND list = Control("CheckListBox1");
  Send(list, LB_SETCURSEL, index, 0);
  Send(list, WM_CHAR, L' ', 0);
}

Text KelmarinSession::TextOf(const char* name) const { return WindowText(Control(name)); }

void KelmarinSession::SetText(const char* name, const Text& text) {
  std::wstring wide = Wide(text);
  Send(Control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

int KelmarinSession::MethodIndex() const {
  return static_cast<int>(Send(Control("ComboBox1"), CB_GETCURSEL, 0, 0));
}

void KelmarinSession::SelectMethod(int index) {
  Send(Control("ComboBox1"), CB_SETCURSEL, index, 0);
}

bool KelmarinSession::DateFolderTicked() const {
  return Send(Control("CheckBox1"), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void KelmarinSession::SetDateFolder(bool ticked) {
  Send(Control("CheckBox1"), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void KelmarinSession::Click(const char* buttonName) {
  PostMessageW(Control(buttonName), BM_CLICK, 0, 0);
}

void KelmarinSession::CloseByTitleBar() { PostMessageW(form_, WM_CLOSE, 0, 0); }

std::vector<HWND> KelmarinSession::ShownBoxes() const {
  std::vector<HWND> boxes;
  for (HWND window : TopLevelWindowsOf(processId_)) {
    if (ClassOf(window) == "#32770" && IsWindowVisible(window)) boxes.push_back(window);
  }
  return boxes;
}

std::optional<SeenBox> KelmarinSession::WaitForBox(DWORD timeoutMs) {
  HWND box = nullptr;
  if (!PollUntil(
          [&] {
            std::vector<HWND> boxes = ShownBoxes();
            if (boxes.empty()) return false;
            box = boxes.front();
            return true;
          },
          timeoutMs)) {
    return std::nullopt;
  }
  SeenBox seen;
  seen.window = box;
  seen.owner = GetWindow(box, GW_OWNER);
  seen.caption = WindowText(box);
  seen.text = BoxText(box);
  // A box may be visible a moment before its icon is painted.
  PollUntil([&] { return (seen.icon = IconOfBox(box)) != BoxIcon::Unknown; }, 3000);
  return seen;
}

bool KelmarinSession::Dismiss(const SeenBox& box) {
  PostMessageW(box.window, WM_COMMAND, IDOK, 0);
  return PollUntil([&] { return !IsWindow(box.window); });
}

bool KelmarinSession::NoBoxFor(DWORD intervalMs) {
  return !PollUntil([&] { return !ShownBoxes().empty(); }, intervalMs);
}

bool KelmarinSession::Running() const {
  return process_.Valid() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> KelmarinSession::WaitForExit(DWORD timeoutMs) {
  if (!process_.Valid() || WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.Get(), &code)) return std::nullopt;
  return code;
}

}  // namespace kelmarin::e2e
