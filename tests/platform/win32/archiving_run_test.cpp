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
      // An archiver that crashes ends with the exception's code.
      {"3221225477,0", kIconWarning,
       "\n\rНе удалось заархивировать:\n\r\"Торговля\": код завершения 3221225477"},
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

// A file at the archiver's path that is no program passes the check of the
// path, but cannot be started: every infobase is reported as not archived.
TEST(Win32ArchivingRun, AnArchiverThatCannotStartIsReportedForEveryInfobase) {
  TempFolder folder;
  Text archiver = folder / "Rar.exe";
  ASSERT_TRUE(test_support::WriteTextFile(archiver, "not a program"));
  for (const char* name : {"backup", "trade", "stock"}) {
    ASSERT_TRUE(CreateDirectoryA((folder / name).c_str(), nullptr));
  }
  CallLog windowCalls;
  FakeRunWindow form(windowCalls);
  form.fields = {{Field::Edit1, archiver}, {Field::Edit4, folder / "backup"}};
  form.items = {{"Торговля", true}, {"Склад", true}};
  QuietSystem system;
  RunArchiving(form, system, {folder / "trade", folder / "stock"});

  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].icon, kIconWarning);
  const Text end =
      "\n\rНе удалось заархивировать:\n\r\"Торговля\": архиватор не запущен"
      "\n\r\"Склад\": архиватор не запущен";
  const Text& text = system.messages[0].text;
  ASSERT_GE(text.size(), end.size());
  EXPECT_EQ(text.substr(text.size() - end.size()), end);
}

}  // namespace
}  // namespace kelmarin::win32
