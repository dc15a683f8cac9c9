// Kelmarin.exe: the program entry. The program reads no arguments and no
// environment; the settings file is its only configuration.
#include <windows.h>

#include <cstdlib>

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

// Every handler's errors end in the error box, so terminate() means a bug.
// The library's own handler would write the exception's demangled type to a
// console a window program does not have, and brings the demangler into the
// exe: a ninth of its size.
namespace __gnu_cxx {
void __verbose_terminate_handler() { abort(); }
}  // namespace __gnu_cxx
