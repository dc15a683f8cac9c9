// The archiving run with the real system calls: real folders, the stand-in
// archiver started and waited for, and its exit code in the closing report.
#include "archiving/archiving_run.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "archiving/fake_run_window.h"
#include "platform/win32/win32_system.h"
#include "support/stand_in.h"

namespace kelmarin::win32 {
namespace {

using test_support::ReadLogLines;
using test_support::ScopedEnvironment;
using test_support::StandInPath;
using test_support::TempFolder;

struct Message {
  Text text;
  Text caption;
  unsigned icon;
};

// Collects the message boxes instead of showing them.
class QuietSystem : public Win32System {
 public:
  void ShowMessage(WindowHandle, const Text& text, const Text& caption,
                   unsigned iconFlags) override {
    messages.push_back({text, caption, iconFlags});
  }
  std::vector<Message> messages;
};

TEST(Win32ArchivingRun, TheArchiversExitCodesReachTheClosingReport) {
  struct Case {
    const char* exitCodes;
    unsigned icon;
    const char* reportEnd;
  } cases[] = {
      {"0", kIconInformation, ""},
      {"0,3", kIconWarning, "\n\rНе удалось заархивировать:\n\r\"Склад\": код завершения 3"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    Text archiver = folder / "Rar.exe";
    ASSERT_TRUE(CopyFileA(StandInPath().c_str(), archiver.c_str(), TRUE));
    for (const char* name : {"backup", "trade", "stock"}) {
      ASSERT_TRUE(CreateDirectoryA((folder / name).c_str(), nullptr));
    }
    Text log = folder / "calls.log";
    ScopedEnvironment logVariable(test_support::kLogVariable, log);
    ScopedEnvironment exitVariable(test_support::kExitVariable, Text(c.exitCodes));

    CallLog windowCalls;
    FakeRunWindow form(windowCalls);
    form.fields = {{Field::Edit1, archiver},
                   {Field::Edit2, ""},
                   {Field::Edit3, ""},
                   {Field::Edit4, folder / "backup"}};
    form.items = {{"Торговля", true}, {"Склад", true}};
    QuietSystem system;
    RunArchiving(form, system, {folder / "trade", folder / "stock"});

    std::vector<Text> calls = ReadLogLines(log);
    ASSERT_EQ(calls.size(), 2u) << c.exitCodes;
    EXPECT_EQ(calls[1], "\"" + archiver + "\" a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m3 -- \"" +
                            folder.Path() + "\\backup\\Склад_\" \"" + folder.Path() + "\\stock\"");
    ASSERT_EQ(system.messages.size(), 1u) << c.exitCodes;
    const Message& report = system.messages[0];
    EXPECT_EQ(report.caption, "Архивация БД");
    EXPECT_EQ(report.icon, c.icon) << c.exitCodes;
    const Text start = "Архивация завершена.\n\rЗатраченное время: ";
    ASSERT_EQ(report.text.substr(0, start.size()), start);
    Text rest = report.text.substr(start.size());
    Text elapsed = rest.substr(0, rest.find('\n'));
    EXPECT_EQ(elapsed.find_first_not_of("0123456789:"), Text::npos) << elapsed;
    EXPECT_EQ(rest.substr(elapsed.size()), c.reportEnd) << c.exitCodes;
  }
}

}  // namespace
}  // namespace kelmarin::win32
