#include "app/box_watcher.h"

namespace kelmarin {

Text TextOf(HWND hwnd) {
  char buffer[2048] = {};
  int length = GetWindowTextA(hwnd, buffer, sizeof buffer);
  return Text(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

BoxWatcher::BoxWatcher(std::function<bool(HWND)> handler) : handler_(std::move(handler)) {
  thread_ = CreateThread(nullptr, 0, &ThreadStart, this, 0, nullptr);
}

BoxWatcher::~BoxWatcher() {
  stop_ = true;
  if (thread_) {
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
}

DWORD WINAPI BoxWatcher::ThreadStart(void* self) {
  static_cast<BoxWatcher*>(self)->Watch();
  return 0;
}

std::vector<SeenBox> BoxWatcher::Seen() {
  Lock::Held held(lock_);
  return seen_;
}

void BoxWatcher::Watch() {
  while (!stop_) {
    std::vector<HWND> boxes;
    EnumWindows(
        [](HWND hwnd, LPARAM list) WINAPI -> BOOL {
          DWORD process = 0;
          GetWindowThreadProcessId(hwnd, &process);
          char className[32] = {};
          GetClassNameA(hwnd, className, sizeof className);
          if (process == GetCurrentProcessId() && IsWindowVisible(hwnd) &&
              lstrcmpA(className, "#32770") == 0) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&boxes));
    for (HWND box : boxes) {
      {
        Lock::Held held(lock_);
        if (!handled_.insert(box).second) continue;
      }
      HWND owner = GetWindow(box, GW_OWNER);
      SeenBox seen{TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)),
                   owner ? IsWindowEnabled(owner) != FALSE : true, owner};
      {
        Lock::Held held(lock_);
        seen_.push_back(seen);
      }
      if (!handler_ || !handler_(box)) PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    // Forget boxes that are gone, so that a handle used again is seen anew.
    {
      Lock::Held held(lock_);
      for (auto it = handled_.begin(); it != handled_.end();) {
        it = IsWindow(*it) ? std::next(it) : handled_.erase(it);
      }
    }
    Sleep(20);
  }
}

}  // namespace kelmarin
