#pragma once
// The main window built in the test process with a fake registry and a fake
// settings file, on the real window system.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "app/application.h"
#include "app/form1.h"
#include "catalogue/fake_registry.h"
#include "platform/win32/win32_system.h"
#include "settings/fake_settings_storage.h"

namespace kelmarin {

class FormTest : public testing::Test {
 public:
  const Text kSettingsPath = "C:\\Kelmarin\\settings.opt";

  FormTest() {
    registry.values = {{"C:\\Bases\\First", Sz("Первая")},
                       {"C:\\Bases\\Second", Sz("Вторая")},
                       {"C:\\Bases\\Third", Sz("Третья")}};
  }

  void TearDown() override { Stop(); }

  void Start(int showRequest = SW_SHOWNORMAL) {
    app.emplace();
    form.emplace(*app, system, registry, storage);
    app->SetMainForm(&*form);
    form->Create();
    app->ShowMainForm(showRequest);
    Pump();
  }

  void Stop() {
    if (app) app->EndSequence();
    form.reset();
    app.reset();
  }

  void Pump() { app->ProcessWaitingMessages(); }

  HWND H(const char* name) const { return form->ControlHandle(name); }
  HWND Form() const { return form->Handle(); }

  // A control's place within its parent's client area.
  RECT PlaceOf(const char* name) const {
    RECT r{};
    GetWindowRect(H(name), &r);
    MapWindowPoints(nullptr, GetParent(H(name)), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  SIZE ClientOf(HWND hwnd) const {
    RECT r{};
    GetClientRect(hwnd, &r);
    return SIZE{r.right, r.bottom};
  }

  static Text TextOfWindow(HWND hwnd) { return win32::WindowText(hwnd); }

  static void SetModifierKeys(bool control, bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
  }

  FakeRegistry registry;
  FakeSettingsStorage storage;
  win32::Win32System system;
  std::optional<Application> app;
  std::optional<TForm1> form;
};

}  // namespace kelmarin
