#pragma once
// What the program asks of the operating system, apart from its windows:
// files and folders, the clock, the user's time format, message boxes and
// starting the archiver. The Win32 implementation lives in platform/win32;
// tests use fakes of their own.
#include <cstdint>

#include "platform/text.h"

namespace kelmarin {

// An owner window for message boxes, opaque to the portable code.
using WindowHandle = void*;

struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The parts of the user's regional settings that shape a long time.
struct LongTimeFormat {
  bool leadingZeroHours = false;
  Text separator = ":";
  bool twelveHour = false;
  Text amText;
  Text pmText;
  bool markerFirst = false;
};

struct ProcessOutcome {
  bool started = false;
  uint32_t exitCode = 0;
};

// Icon flags of MessageBoxA; every box of the program has one OK button.
enum MessageIcon : unsigned {
  kIconError = 0x10,
  kIconWarning = 0x30,
  kIconInformation = 0x40,
};

class System {
 public:
  virtual ~System() = default;

  // A directory search for the path (wildcards act as wildcards): true when
  // the first entry found is a file with a valid file date.
  virtual bool FileExists(const Text& path) = 0;
  // True when the path's attributes can be read and mark a directory.
  virtual bool DirectoryExists(const Text& path) = 0;
  // Creates one directory whose parent exists; throws InOutError.
  virtual void CreateFolder(const Text& path) = 0;

  virtual LocalTime Now() = 0;
  virtual LongTimeFormat UserLongTimeFormat() = 0;

  // A modal message box with one OK button, waiting until it is closed.
  virtual void ShowMessage(WindowHandle owner, const Text& text,
                           const Text& caption, unsigned iconFlags) = 0;

  // Starts the command line with the program's own startup information and
  // waits for the process to end without a time limit.
  virtual ProcessOutcome RunAndWait(const Text& commandLine) = 0;
};

}  // namespace kelmarin
