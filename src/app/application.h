#pragma once
// The application object: a hidden top-level window titled "Kelmarin" that
// owns the main window and carries the program's taskbar button, the
// message loop, and the one dispatch point through which every handler is
// entered so that an error ends in the application's error box.
#include <windows.h>

#include <functional>

#include "platform/text.h"
#include "platform/win32/ui/container.h"

namespace kelmarin {

class TForm1;

inline constexpr const char* kApplicationTitle = "Kelmarin";

class Application {
 public:
  // Initialises the common controls and creates the application window.
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  HWND Handle() const { return window_.Handle(); }
  void SetMainForm(TForm1* form) { form_ = form; }

  // Shows the main window, runs the loop until the program is asked to end,
  // then runs the end sequence. Returns the exit code.
  int Run();

  // The first show of the main window: the start-up show request 3 opens it
  // maximised, 7 starts the program minimised, anything else shows the
  // state the window holds.
  void ShowMainForm();
  void ShowMainForm(int showRequest);
  // Hides the main window, runs FormDestroy and destroys the windows.
  void EndSequence();

  // Runs a handler; an error that escapes it is shown in the error box and
  // the caller goes on as if the handler had ended.
  void Dispatch(const std::function<void()>& handler);
  void ShowErrorBox(const Text& message);

  // Handles every waiting window message, then returns.
  void ProcessWaitingMessages();
  // Asks the loop to end once the running handler has returned and the
  // messages already waiting have been handled. Nothing can refuse.
  void RequestQuit();
  bool QuitRequested() const { return quitRequested_; }

  // Minimises the program to its taskbar button; the main window is hidden
  // and keeps its own window state.
  void Minimize();
  void Restore();
  // The system's notice that the user logs off or Windows shuts down.
  void EndSession(bool ending);
  bool Minimized() const { return IsIconic(Handle()); }

 private:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  void HandleMessage(MSG& msg);

  win32::Container window_;
  TForm1* form_ = nullptr;
  bool quitRequested_ = false;
  bool ended_ = false;
  int handlerDepth_ = 0;
};

// The show request the process was started with, SW_SHOWNORMAL when none.
int StartupShowRequest();

}  // namespace kelmarin
