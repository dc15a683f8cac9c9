#pragma once
// Watches, from a thread of its own, for the dialog boxes that this process
// shows (message boxes, the open dialog), so that a test on the window's
// thread is not blocked by them. Each box is seen once: it is recorded and
// then closed with OK, or handed to a handler that deals with it.
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "platform/text.h"

namespace kelmarin {

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
  void Watch();

  std::function<bool(HWND)> handler_;
  std::mutex mutex_;
  std::vector<SeenBox> seen_;
  std::set<HWND> handled_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// The text of a window of any thread of this process.
Text TextOf(HWND hwnd);

}  // namespace kelmarin
