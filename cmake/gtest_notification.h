#pragma once
// GoogleTest's Notification is built on std::mutex, which the win32 thread
// model of mingw-w64 lacks. Only GoogleTest's own thread tests use it, so a
// plain flag stands in for it.
#include <atomic>

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_ = true; }
  void WaitForNotification() {
    while (!notified_) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
