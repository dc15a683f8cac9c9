#include "app/application.h"

#include <commctrl.h>

#include "app/form1.h"
#include "platform/errors.h"

namespace kelmarin {

Application::Application() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  // A popup of no size in the middle of the screen: invisible on its own,
  // yet a shown, unowned window, so the taskbar lists it by its title.
  int x = GetSystemMetrics(SM_CXSCREEN) / 2;
  int y = GetSystemMetrics(SM_CYSCREEN) / 2;
  window_.onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return OnMessage(message, wParam, lParam, result);
  };
  window_.Create(nullptr, 0, RECT{x, y, x, y},
                 WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                 kApplicationTitle);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (HICON icon = LoadIconA(instance, "MAINICON")) {
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
}

Application::~Application() = default;

int StartupShowRequest() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  if (startup.dwFlags & STARTF_USESHOWWINDOW) return startup.wShowWindow;
  return SW_SHOWNORMAL;
}

int Application::Run() {
  ShowMainForm();
  MSG msg;
  for (;;) {
    // A close lets the messages already waiting be handled first.
    if (quitRequested_ && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) break;
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    HandleMessage(msg);
  }
  EndSequence();
  return 0;
}

void Application::ShowMainForm() { ShowMainForm(StartupShowRequest()); }

void Application::ShowMainForm(int showRequest) {
  if (showRequest == SW_SHOWMAXIMIZED) form_->SetState(WindowState::Maximized);
  if (showRequest == SW_SHOWMINNOACTIVE) form_->SetState(WindowState::Minimized);
  // The main window is shown before the application window: the system
  // may apply the start-up request to the first window a program shows.
  if (form_->State() == WindowState::Minimized) {
    ShowWindow(Handle(), SW_SHOWMINNOACTIVE);
  } else {
    form_->ShowInState();
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  }
}

void Application::EndSequence() {
  if (ended_) return;
  ended_ = true;
  form_->Hide();
  form_->Destroy();
  window_.Destroy();
}

void Application::Dispatch(const std::function<void()>& handler) {
  ++handlerDepth_;
  try {
    handler();
  } catch (const Error& error) {
    ShowErrorBox(error.Message());
  } catch (const std::exception& error) {
    ShowErrorBox(error.what());
  }
  --handlerDepth_;
}

void Application::ShowErrorBox(const Text& message) {
  HWND owner = Handle();
  if (form_ && form_->Handle() && IsWindowVisible(form_->Handle())) owner = form_->Handle();
  MessageBoxA(owner, ErrorBoxText(message).c_str(), kApplicationTitle, MB_ICONERROR | MB_OK);
}

void Application::HandleMessage(MSG& msg) {
  HWND form = form_ ? form_->Handle() : nullptr;
  bool forForm = form && (msg.hwnd == form || IsChild(form, msg.hwnd));
  if (forForm && msg.message == WM_KEYDOWN && msg.wParam == VK_TAB &&
      GetKeyState(VK_CONTROL) < 0) {
    form_->SelectNextPage(GetKeyState(VK_SHIFT) < 0);
    return;
  }
  if (forForm && IsDialogMessageA(form, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

void Application::ProcessWaitingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    // Taken out of the queue here, a quit would otherwise be lost, or end
    // the run's next message box at once.
    if (msg.message == WM_QUIT) {
      quitRequested_ = true;
      continue;
    }
    HandleMessage(msg);
  }
}

void Application::RequestQuit() {
  quitRequested_ = true;
  // Wakes the loop when the request came with a message sent from outside.
  PostMessageA(Handle(), WM_NULL, 0, 0);
}

void Application::Minimize() {
  if (form_) form_->Hide();
  ShowWindow(Handle(), SW_MINIMIZE);
}

void Application::Restore() {
  if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
  if (form_) form_->ShowAfterRestore();
}

// The system ends the process soon after this notice, so when no handler is
// running the end sequence runs now, and the settings are saved.
void Application::EndSession(bool ending) {
  if (!ending) return;
  RequestQuit();
  if (handlerDepth_ > 0) return;
  EndSequence();
  ExitProcess(0);
}

bool Application::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  switch (message) {
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          *result = 0;
          return true;
        case SC_RESTORE:
          Restore();
          *result = 0;
          return true;
      }
      return false;
    case WM_CLOSE:
      RequestQuit();
      *result = 0;
      return true;
    case WM_QUERYENDSESSION:
      *result = TRUE;
      return true;
    case WM_ENDSESSION:
      EndSession(wParam != FALSE);
      *result = 0;
      return true;
    case WM_ACTIVATE:
      // The application window is nothing to look at: hand the activation
      // on to the main window.
      if (LOWORD(wParam) != WA_INACTIVE && form_ && form_->Handle() &&
          IsWindowVisible(form_->Handle()) && IsWindowEnabled(form_->Handle())) {
        SetActiveWindow(form_->Handle());
        *result = 0;
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace kelmarin
