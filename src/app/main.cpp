// Kelmarin.exe: the program entry. The program reads no arguments and no
// environment; the settings file is its only configuration.
#include <windows.h>

#include "app/application.h"
#include "app/form1.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_settings_storage.h"
#include "platform/win32/win32_system.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  kelmarin::Application application;
  kelmarin::win32::Win32System system;
  kelmarin::win32::Win32Registry registry;
  kelmarin::win32::Win32SettingsStorage storage;
  kelmarin::TForm1 form(application, system, registry, storage);
  application.SetMainForm(&form);
  form.Create();
  return application.Run();
}
