// Kelmarin.exe itself, started as the user's shortcut would start it: with a
// show request, closed by one route or another, ending with exit code 0 and
// its settings saved.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/text.h"
#include "platform/win32/handle.h"
#include "support/stand_in.h"

namespace kelmarin {
namespace {

using win32::UniqueHandle;

const char kCaption[] = "Архивация БД 1С:Предприятие v7.7";

// Kelmarin.exe in the folder of this test program or the nearest one above.
Text ProgramPath() { return test_support::FindAbove("Kelmarin.exe"); }

struct Windows {
  HWND form = nullptr;
  HWND application = nullptr;
};

Windows FindWindowsOf(DWORD process) {
  struct Search {
    DWORD process;
    Windows found;
  } search{process, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM data) WINAPI -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner != s->process) return TRUE;
        char text[128] = {};
        GetWindowTextA(hwnd, text, sizeof text);
        if (lstrcmpA(text, kCaption) == 0) s->found.form = hwnd;
        if (lstrcmpA(text, "Kelmarin") == 0 && GetWindow(hwnd, GW_OWNER) == nullptr) {
          s->found.application = hwnd;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class Program {
 public:
  Program(const Text& exe, int showRequest) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showRequest);
    PROCESS_INFORMATION info{};
    Text commandLine = "\"" + exe + "\"";
    started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &info);
    if (!started_) return;
    process_.Reset(info.hProcess);
    UniqueHandle thread(info.hThread);
    id_ = info.dwProcessId;
    // Idle means the loop has begun, so the window has had its first show.
    WaitForInputIdle(process_.Get(), 20000);
    for (int i = 0; i < 200 && !(windows_.form && windows_.application); ++i) {
      Sleep(50);
      windows_ = FindWindowsOf(id_);
    }
  }
  ~Program() {
    if (process_.Valid() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.Get(), 99);
    }
  }

  bool Started() const { return started_ && windows_.form && windows_.application; }
  const Windows& Win() const { return windows_; }

  // The exit code once the process has ended, or -1 when it does not end.
  long ExitCode() {
    if (WaitForSingleObject(process_.Get(), 30000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return static_cast<long>(code);
  }

 private:
  bool started_ = false;
  UniqueHandle process_;
  DWORD id_ = 0;
  Windows windows_;
};

std::vector<unsigned char> ReadFileBytes(const Text& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

TEST(Program, StartsAsAskedAndEndsWithItsSettingsSavedByEveryCloseRoute) {
  struct Case {
    const char* what;
    int showRequest;
    bool zoomed;
    bool formShown;
    void (*close)(const Windows&);
    unsigned char savedState;
  } cases[] = {
      {"normal start, close box", SW_SHOWNORMAL, false, true,
       [](const Windows& w) { PostMessageA(w.form, WM_SYSCOMMAND, SC_CLOSE, 0); }, 0},
      {"run maximised, Alt+F4", SW_SHOWMAXIMIZED, true, true,
       [](const Windows& w) { PostMessageA(w.form, WM_SYSKEYDOWN, VK_F4, 1 << 29); }, 2},
      {"run minimised, closed from the taskbar", SW_SHOWMINNOACTIVE, false, false,
       [](const Windows& w) { PostMessageA(w.application, WM_CLOSE, 0, 0); }, 1},
      {"log off", SW_SHOWNORMAL, false, true,
       [](const Windows& w) {
         DWORD_PTR answer = 0;
         SendMessageTimeoutA(w.form, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &answer);
         EXPECT_TRUE(answer);
         SendMessageTimeoutA(w.form, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &answer);
       },
       0},
  };
  Text original = ProgramPath();
  ASSERT_FALSE(original.empty());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test_support::TempFolder folder;
    Text exe = folder / "Kelmarin.exe";
    ASSERT_TRUE(CopyFileA(original.c_str(), exe.c_str(), FALSE));

    Program program(exe, c.showRequest);
    ASSERT_TRUE(program.Started());
    const Windows& w = program.Win();
    EXPECT_EQ(GetWindow(w.form, GW_OWNER), w.application);
    EXPECT_TRUE(IsWindowVisible(w.application));
    EXPECT_EQ(IsWindowVisible(w.form) != FALSE, c.formShown);
    EXPECT_EQ(IsZoomed(w.form) != FALSE, c.zoomed);
    EXPECT_EQ(IsIconic(w.application) != FALSE, !c.formShown);

    c.close(w);
    EXPECT_EQ(program.ExitCode(), 0);
    std::vector<unsigned char> settings = ReadFileBytes(folder / "settings.opt");
    ASSERT_EQ(settings.size(), 584u);
    EXPECT_EQ(settings[566], c.savedState);
    EXPECT_EQ(settings[564], 255);  // no compression method chosen
  }
}

TEST(Program, CarriesItsIconAndManifest) {
  HMODULE exe = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(exe);
  HRSRC icon = FindResourceA(exe, "MAINICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_TRUE(icon);
  // The icon directory: a 6-byte header with the image count, then one
  // 14-byte entry per image (width, height, colour count, ..., bit count).
  const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(exe, icon)));
  ASSERT_GE(SizeofResource(exe, icon), 20u);
  EXPECT_EQ(group[4] | group[5] << 8, 1) << "one image";
  EXPECT_EQ(group[6], 32);
  EXPECT_EQ(group[7], 32);
  EXPECT_EQ(group[8], 16) << "16 colours";
  HRSRC manifest = FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_TRUE(manifest);
  Text text(static_cast<const char*>(LockResource(LoadResource(exe, manifest))),
            SizeofResource(exe, manifest));
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), Text::npos);
  EXPECT_NE(text.find("6595b64144ccf1df"), Text::npos);
  FreeLibrary(exe);
}

}  // namespace
}  // namespace kelmarin
