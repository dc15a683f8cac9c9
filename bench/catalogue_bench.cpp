// The infobase list as the program loads it (LoadCatalogue into the tick
// list) against the least any program could do: RegEnumValueA over the same
// key, each title straight into a plain list box.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "catalogue/catalogue.h"
#include "platform/win32/ui/check_list_box.h"
#include "platform/win32/ui/container.h"
#include "platform/win32/win32_registry.h"
#include "timing.h"

namespace kelmarin::bench {
namespace {

constexpr int kInfobases = 1000;
// A load takes tens of milliseconds and Wine's timing is noisy: many rounds
// keep the medians steady.
constexpr int kRounds = 25;

// A key of its own under the real HKEY_CURRENT_USER, which stands in for
// HKEY_CURRENT_USER while it lives, so the user's own infobase list is never
// read or written. Removed with everything in it at the end.
class ScratchCurrentUser {
 public:
  ScratchCurrentUser() {
    path_ = "Software\\KelmarinBench-" + std::to_string(GetCurrentProcessId());
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key_, nullptr) != ERROR_SUCCESS) {
      key_ = nullptr;
      return;
    }
    overridden_ = RegOverridePredefKey(HKEY_CURRENT_USER, key_) == ERROR_SUCCESS;
  }
  ScratchCurrentUser(const ScratchCurrentUser&) = delete;
  ScratchCurrentUser& operator=(const ScratchCurrentUser&) = delete;
  ~ScratchCurrentUser() {
    if (overridden_) RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (key_) {
      RegCloseKey(key_);
      RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
      RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
    }
  }
  bool Ready() const { return overridden_; }

 private:
  std::string path_;
  HKEY key_ = nullptr;
  bool overridden_ = false;
};

bool FillTitles() {
  HKEY titles = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kTitlesKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &titles, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  bool ok = true;
  for (int i = 0; i < kInfobases && ok; ++i) {
    char path[64];
    char title[64];
    std::snprintf(path, sizeof path, "C:\\1C\\Базы\\Торговля_%04d\\", i);
    std::snprintf(title, sizeof title, "Торговля и склад, филиал %04d", i);
    ok = RegSetValueExA(titles, path, 0, REG_SZ, reinterpret_cast<const BYTE*>(title),
                        static_cast<DWORD>(std::strlen(title) + 1)) == ERROR_SUCCESS;
  }
  RegCloseKey(titles);
  return ok;
}

// The tick list as the catalogue sees it in the program.
class ListWindow : public CatalogueWindow {
 public:
  explicit ListWindow(win32::CheckListBox& list) : list_(list) {}
  void AddItem(const Text& title) override { list_.Add(title); }
  int SelectedItem() override { return list_.Selected(); }
  void SetPathCaption(const Text&) override {}

 private:
  win32::CheckListBox& list_;
};

// Drops the titles, so that only the reading of the key is timed.
class NoWindow : public CatalogueWindow {
 public:
  void AddItem(const Text&) override {}
  int SelectedItem() override { return -1; }
  void SetPathCaption(const Text&) override {}
};

// The bare loop; with no list it only reads the key.
void BareLoad(HWND list) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kTitlesKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  char name[260];
  BYTE data[260];
  for (DWORD index = 0;; ++index) {
    DWORD nameSize = sizeof name;
    DWORD dataSize = sizeof data;
    if (RegEnumValueA(key, index, name, &nameSize, nullptr, nullptr, data, &dataSize) !=
        ERROR_SUCCESS) {
      break;
    }
    if (list) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(data));
  }
  RegCloseKey(key);
}

int Run() {
  ScratchCurrentUser scratch;
  if (!scratch.Ready() || !FillTitles()) {
    std::printf("catalogue: could not prepare the scratch registry key\n");
    return 1;
  }

  win32::Container host;
  host.Create(nullptr, 0, RECT{0, 0, 600, 400}, WS_OVERLAPPEDWINDOW, 0, "Kelmarin bench");
  if (!host.Handle()) {
    std::printf("catalogue: could not create the container window\n");
    return 1;
  }
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  win32::CheckListBox tickList;
  tickList.Create(host.Handle(), 100, RECT{0, 0, 280, 400}, font, WS_TABSTOP | WS_BORDER, 0);
  HWND plainList = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL |
                                   WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                   300, 0, 280, 400, host.Handle(),
                                   reinterpret_cast<HMENU>(101), GetModuleHandleA(nullptr),
                                   nullptr);
  SendMessageA(plainList, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  win32::Win32Registry registry;
  ListWindow window(tickList);
  InfobasePaths paths;
  const Side ours{[&] { SendMessageA(tickList.Handle(), LB_RESETCONTENT, 0, 0); },
                  [&] { LoadCatalogue(registry, window, paths); }};
  const Side bare{[&] { SendMessageA(plainList, LB_RESETCONTENT, 0, 0); },
                  [&] { BareLoad(plainList); }};
  const Comparison result = Compare(kRounds, ours, bare);

  const LRESULT plainCount = SendMessageA(plainList, LB_GETCOUNT, 0, 0);
  if (tickList.Count() != kInfobases || plainCount != kInfobases ||
      paths.size() != static_cast<size_t>(kInfobases)) {
    std::printf("catalogue: lists hold %d and %ld items, %u paths; expected %d\n",
                tickList.Count(), static_cast<long>(plainCount),
                static_cast<unsigned>(paths.size()), kInfobases);
    return 1;
  }
  Report("catalogue (1000 infobases)", result, 1.2);

  // Where the difference lies: the reading of the key alone, and the
  // filling of the list alone, each against its bare counterpart.
  NoWindow noWindow;
  const Comparison reading =
      Compare(kRounds, Side{[&] { paths.clear(); }, [&] { LoadCatalogue(registry, noWindow, paths); }},
              Side{nullptr, [&] { BareLoad(nullptr); }});
  Report("  of which reading the key", reading, 1.2);
  const InfobasePaths titles = paths;  // any 1000 texts of the usual length
  const Comparison filling = Compare(
      kRounds,
      Side{[&] { SendMessageA(tickList.Handle(), LB_RESETCONTENT, 0, 0); },
           [&] {
             for (const Text& title : titles) tickList.Add(title);
           }},
      Side{[&] { SendMessageA(plainList, LB_RESETCONTENT, 0, 0); },
           [&] {
             for (const Text& title : titles) {
               SendMessageA(plainList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
             }
           }});
  Report("  of which filling the list", filling, 1.2);
  DestroyWindow(plainList);
  return 0;
}

}  // namespace
}  // namespace kelmarin::bench

int main() { return kelmarin::bench::Run(); }
