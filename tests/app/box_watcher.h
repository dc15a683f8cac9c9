#pragma once
// Watches, from a thread of its own, for the dialog boxes that this process
// shows (message boxes, the open dialog), so that a test on the window's
// thread is not blocked by them. Each box is seen once: it is recorded and
// then closed with OK, or handed to a handler that deals with it.
#include <windows.h>

#include <atomic>
#include <functional>
#include <set>
#include <vector>

#include "platform/text.h"

namespace kelmarin {

// A lock of Windows' own: the win32 thread model the exe is built with has
// no std::mutex or std::thread.
class Lock {
 public:
  Lock() { InitializeCriticalSection(&section_); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
  ~Lock() { DeleteCriticalSection(&section_); }

  class Held {
   public:
    explicit Held(Lock& lock) : lock_(lock) { EnterCriticalSection(&lock_.section_); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() { LeaveCriticalSection(&lock_.section_); }

   private:
    Lock& lock_;
  };

 private:
  CRITICAL_SECTION section_;
};

struct SeenBox {
  Text caption;
  Text text;
  bool ownerEnabled = true;  // whether the box's owner took input meanwhile
  HWND owner = nullptr;
};

class BoxWatcher {
 public:
  // handler: given a box, returns true when it dealt with it itself.
  explicit BoxWatcher(std::function<bool(HWND box)> handler = nullptr);
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;
  ~BoxWatcher();

  std::vector<SeenBox> Seen();

 private:
  static DWORD WINAPI ThreadStart(void* self);
  void Watch();

  std::function<bool(HWND)> handler_;
  Lock lock_;
  std::vector<SeenBox> seen_;
  std::set<HWND> handled_;
  std::atomic<bool> stop_{false};
  HANDLE thread_ = nullptr;
};

// The text of a window of any thread of this process.
Text TextOf(HWND hwnd);

}  // namespace kelmarin
