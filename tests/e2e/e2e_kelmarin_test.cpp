// Whole user stories with the real Kelmarin.exe: started as its own process
// from a scratch folder, with a registry list of infobases, the stand-in
// archiver and, where the story needs one, a settings file; driven only by
// window messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <vector>

#include "e2e/kelmarin_session.h"
#include "e2e/titles_key.h"
#include "settings/settings_record.h"
#include "support/write_protected.h"
#include "support/stand_in.h"

namespace kelmarin::e2e {
namespace {

using test_support::ReadLogLines;
using test_support::ScopedEnvironment;
using test_support::TempFolder;

constexpr char kRunCaption[] = "Архивация БД";
constexpr char kErrorCaption[] = "Kelmarin";
constexpr char kCompletionStart[] = "Архивация завершена.\n\rЗатраченное время: ";

const Text kAccounts = "Бухгалтерия предприятия";
const Text kTrade = "Торговля 7.7";
const Text kPayroll = "Зарплата и кадры";  // its folder is missing

Text FileContent(const Text& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  Text content;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
  CloseHandle(file);
  return content;
}

bool IsFolder(const Text& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The name of the date folder of the day daysAhead from today.
Text DayFolder(int daysAhead = 0) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  FILETIME time;
  SystemTimeToFileTime(&now, &time);
  ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
  ticks.QuadPart += static_cast<ULONGLONG>(daysAhead) * 24 * 60 * 60 * 10000000ULL;
  time = FILETIME{ticks.LowPart, ticks.HighPart};
  SYSTEMTIME day;
  FileTimeToSystemTime(&time, &day);
  char name[16];
  std::snprintf(name, sizeof name, "%02u-%02u-%04u", day.wDay, day.wMonth, day.wYear);
  return name;
}

Text CommandLine(const Text& archiver, int method, const Text& archiveName, const Text& source) {
  return "\"" + archiver + "\" a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m" +
         std::to_string(method) + " -- \"" + archiveName + "\" \"" + source + "\"";
}

SettingsRecord RecordOf(const Text& content) {
  SettingsRecord record;
  std::copy_n(content.begin(), std::min(content.size(), SettingsRecord::kSize),
              record.bytes.begin());
  return record;
}

// A completion message: the fixed start, an elapsed time of a few seconds in
// the long time format of the Russian locale ('00:00:03'), then the rest.
void ExpectCompletion(const Text& text, const Text& rest) {
  const Text start = kCompletionStart;
  ASSERT_EQ(Utf8(text.substr(0, start.size())), Utf8(start)) << Utf8(text);
  Text elapsed = text.substr(start.size(), 8);
  EXPECT_TRUE(elapsed.size() == 8 && elapsed.compare(0, 3, "00:") == 0 && elapsed[5] == ':' &&
              isdigit(static_cast<unsigned char>(elapsed[3])) &&
              isdigit(static_cast<unsigned char>(elapsed[4])) &&
              isdigit(static_cast<unsigned char>(elapsed[6])) &&
              isdigit(static_cast<unsigned char>(elapsed[7])))
      << Utf8(text);
  EXPECT_EQ(Utf8(text.substr(std::min(text.size(), start.size() + 8))), Utf8(rest));
}

class KelmarinEndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    for (const Text& folder : {programDir, destination, scratch / "Базы", accountsPath,
                               tradePath, scratch / "WinRAR 3"}) {
      ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << Utf8(folder);
    }
    ASSERT_TRUE(CopyFileA(test_support::StandInPath().c_str(), archiver.c_str(), FALSE));
    titles.emplace(std::vector<Infobase>{
        {kAccounts, accountsPath}, {kTrade, tradePath}, {kPayroll, payrollPath}});
    ASSERT_TRUE(titles->Written());
  }

  void TearDown() override {
    app.reset();
    titles.reset();
  }

  // Starts the program and waits for its window with the three infobases.
  void Start() {
    app.emplace(programDir);
    ASSERT_TRUE(app->Started()) << "Kelmarin.exe could not be started";
    ASSERT_TRUE(app->WaitForMainWindow()) << "the main window did not appear";
    ASSERT_EQ(app->Items().size(), 3u);
  }

  void TickAll(const std::vector<Text>& titlesToTick) {
    for (const Text& title : titlesToTick) {
      int index = app->IndexOf(title);
      ASSERT_GE(index, 0) << Utf8(title);
      app->Tick(index);
      ASSERT_TRUE(app->Ticked(index)) << Utf8(title);
    }
  }

  // The titles in the order of the list, which is the order of archiving.
  std::vector<Text> InListOrder(std::vector<Text> wanted) {
    std::sort(wanted.begin(), wanted.end(),
              [&](const Text& a, const Text& b) { return app->IndexOf(a) < app->IndexOf(b); });
    return wanted;
  }

  Text PathOf(const Text& title) const {
    return title == kAccounts ? accountsPath : title == kTrade ? tradePath : payrollPath;
  }

  // A message of the archiving run: its caption, owned by the main window.
  void ExpectRunBox(const SeenBox& box, BoxIcon icon) {
    EXPECT_EQ(Utf8(box.caption), Utf8(kRunCaption));
    EXPECT_EQ(box.owner, app->Form());
    EXPECT_STREQ(NameOf(box.icon), NameOf(icon));
  }

  void ExpectErrorBox(const SeenBox& box) {
    EXPECT_EQ(box.caption, kErrorCaption);
    EXPECT_STREQ(NameOf(box.icon), NameOf(BoxIcon::Error));
  }

  void WriteSettings(const SettingsRecord& record) {
    ASSERT_TRUE(test_support::WriteTextFile(
        settingsPath, Text(record.bytes.begin(), record.bytes.end())));
  }

  // A settings file as an earlier run would have left it.
  SettingsRecord EarlierSettings(uint8_t method, bool dateFolder) const {
    SettingsRecord record;
    record.WriteText(SettingsRecord::kArchiverPath, archiver);
    record.WriteText(SettingsRecord::kDestination, destination + "\\");
    record.bytes[SettingsRecord::kMethodOffset] = method;
    record.bytes[SettingsRecord::kDateFolderOffset] = dateFolder ? 1 : 0;
    record.WriteInt32(SettingsRecord::kLeftOffset, 200);
    record.WriteInt32(SettingsRecord::kTopOffset, 150);
    record.WriteInt32(SettingsRecord::kHeightOffset, 400);
    record.WriteInt32(SettingsRecord::kWidthOffset, 600);
    return record;
  }

  void ExpectExitCodeZero() {
    std::optional<DWORD> code = app->WaitForExit();
    ASSERT_TRUE(code.has_value()) << "Kelmarin.exe did not end";
    EXPECT_EQ(*code, 0u);
  }

  std::vector<Text> Log() const { return ReadLogLines(logPath); }

  TempFolder scratch;
  const Text programDir = scratch / "Kelmarin";
  const Text settingsPath = programDir + "\\settings.opt";
  const Text destination = scratch / "Архив";
  const Text accountsPath = scratch / "Базы\\Бухгалтерия";
  const Text tradePath = scratch / "Базы\\Торговля";
  const Text payrollPath = scratch / "Базы\\Зарплата";
  // A folder with a space: the archiver's path has to reach the system quoted.
  const Text archiver = scratch / "WinRAR 3\\Rar.exe";
  const Text logPath = scratch / "archiver.log";
  ScopedEnvironment logVariable{test_support::kLogVariable, logPath};
  ScopedEnvironment exitVariable{test_support::kExitVariable, std::nullopt};
  ScopedEnvironment sleepVariable{test_support::kSleepVariable, std::nullopt};
  std::optional<TitlesKey> titles;
  std::optional<KelmarinSession> app;
};

// First start: nothing stored yet. The user fills in the settings, ticks all
// three infobases (one of them has lost its folder), archives, and closes
// with "Закрыть"; the tidied settings are what the settings file keeps.
TEST_F(KelmarinEndToEnd, FirstStartArchivesTheTickedInfobasesAndSavesTheSettings) {
  ASSERT_NO_FATAL_FAILURE(Start());
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(app->Ticked(i));
  EXPECT_EQ(app->TextOf("Edit1"), "");
  EXPECT_EQ(app->MethodIndex(), -1);
  EXPECT_FALSE(app->DateFolderTicked());

  app->SetText("Edit1", "  " + archiver + " ");
  app->SetText("Edit2", " srv.main ");
  app->SetText("Edit3", "кассир");
  app->SetText("Edit4", destination + " ");
  app->SelectMethod(5);
  app->SetDateFolder(true);
  ASSERT_NO_FATAL_FAILURE(TickAll({kAccounts, kTrade, kPayroll}));

  const Text dayBefore = DayFolder();
  app->Click("Button2");
  std::optional<SeenBox> warning = app->WaitForBox();
  ASSERT_TRUE(warning) << "no warning for the infobase whose folder is missing";
  ExpectRunBox(*warning, BoxIcon::Warning);
  EXPECT_EQ(Utf8(warning->text), Utf8("БД \"" + kPayroll + "\" по указанному пути (" +
                                      payrollPath + ") не найдена."));
  EXPECT_FALSE(app->Ticked(app->IndexOf(kPayroll)));
  ASSERT_TRUE(app->Dismiss(*warning));

  std::optional<SeenBox> completion = app->WaitForBox();
  ASSERT_TRUE(completion) << "no completion message";
  const Text dayAfter = DayFolder();
  ExpectRunBox(*completion, BoxIcon::Information);
  ExpectCompletion(completion->text, "");
  ASSERT_TRUE(app->Dismiss(*completion));

  const Text day = IsFolder(destination + "\\" + dayBefore) ? dayBefore : dayAfter;
  EXPECT_TRUE(IsFolder(destination + "\\" + day)) << "no date folder " << day;
  std::vector<Text> expected;
  for (const Text& title : InListOrder({kAccounts, kTrade})) {
    const Text piece = title == kTrade ? "Торговля 7 7" : title;
    expected.push_back(CommandLine(archiver, 5,
                                   destination + "\\" + day + "\\srv main_" + piece + "_кассир_",
                                   PathOf(title)));
  }
  std::vector<Text> log = Log();
  ASSERT_EQ(log.size(), expected.size());
  for (size_t i = 0; i < log.size(); ++i) EXPECT_EQ(Utf8(log[i]), Utf8(expected[i]));
  EXPECT_FALSE(IsWindowVisible(app->Control("ProgressBar1")));
  EXPECT_FALSE(IsWindowVisible(app->Control("Label8")));

  app->Click("Button1");
  ASSERT_NO_FATAL_FAILURE(ExpectExitCodeZero());

  const Text content = FileContent(settingsPath);
  ASSERT_EQ(content.size(), SettingsRecord::kSize);
  SettingsRecord saved = RecordOf(content);
  EXPECT_EQ(Utf8(saved.ReadText(SettingsRecord::kArchiverPath)), Utf8(archiver));
  EXPECT_EQ(Utf8(saved.ReadText(SettingsRecord::kDestination)), Utf8(destination + "\\"));
  EXPECT_EQ(saved.ReadText(SettingsRecord::kComputerName), "srv main");
  EXPECT_EQ(Utf8(saved.ReadText(SettingsRecord::kUserName)), Utf8("кассир"));
  EXPECT_EQ(saved.bytes[SettingsRecord::kMethodOffset], 5);
  EXPECT_EQ(saved.bytes[SettingsRecord::kDateFolderOffset], 1);
  EXPECT_EQ(saved.bytes[SettingsRecord::kWindowStateOffset], 0);
  EXPECT_EQ(saved.ReadInt32(SettingsRecord::kLeftOffset), 136);
  EXPECT_EQ(saved.ReadInt32(SettingsRecord::kTopOffset), 111);
  EXPECT_EQ(saved.ReadInt32(SettingsRecord::kHeightOffset), 375);
  EXPECT_EQ(saved.ReadInt32(SettingsRecord::kWidthOffset), 544);
}

// A later start shows what the settings file holds. The archiver fails on
// the second infobase: the completion message must say so with a warning,
// not pass the failure off as success. Closed from the title bar.
TEST_F(KelmarinEndToEnd, SecondStartReadsTheSettingsAndReportsAFailedArchive) {
  SettingsRecord earlier = EarlierSettings(SettingsRecord::kNoMethod, false);
  earlier.bytes[567] = 0x5A;  // the alignment byte goes back as it came
  ASSERT_NO_FATAL_FAILURE(WriteSettings(earlier));
  ScopedEnvironment exitCodes(test_support::kExitVariable, Text("0,7"));
  ASSERT_NO_FATAL_FAILURE(Start());

  EXPECT_EQ(Utf8(app->TextOf("Edit1")), Utf8(archiver));
  EXPECT_EQ(Utf8(app->TextOf("Edit4")), Utf8(destination + "\\"));
  EXPECT_EQ(app->TextOf("Edit2"), "");
  EXPECT_EQ(app->MethodIndex(), -1);
  EXPECT_FALSE(app->DateFolderTicked());
  RECT bounds{};
  GetWindowRect(app->Form(), &bounds);
  EXPECT_EQ(bounds.left, 200);
  EXPECT_EQ(bounds.top, 150);
  EXPECT_EQ(bounds.right - bounds.left, 600);
  EXPECT_EQ(bounds.bottom - bounds.top, 400);

  ASSERT_NO_FATAL_FAILURE(TickAll({kAccounts, kTrade}));
  const std::vector<Text> order = InListOrder({kAccounts, kTrade});
  app->Click("Button2");
  std::optional<SeenBox> completion = app->WaitForBox();
  ASSERT_TRUE(completion) << "no completion message";
  ExpectRunBox(*completion, BoxIcon::Warning);
  ExpectCompletion(completion->text, "\n\rНе удалось заархивировать:\n\r\"" + order[1] +
                                         "\": код завершения 7");
  ASSERT_TRUE(app->Dismiss(*completion));

  std::vector<Text> log = Log();
  ASSERT_EQ(log.size(), 2u);
  for (size_t i = 0; i < log.size(); ++i) {
    const Text piece = order[i] == kTrade ? "Торговля 7 7" : order[i];
    EXPECT_EQ(Utf8(log[i]), Utf8(CommandLine(archiver, 3, destination + "\\" + piece + "_",
                                             PathOf(order[i]))));
  }

  app->CloseByTitleBar();
  ASSERT_NO_FATAL_FAILURE(ExpectExitCodeZero());
  const Text content = FileContent(settingsPath);
  ASSERT_EQ(content.size(), SettingsRecord::kSize);
  SettingsRecord saved = RecordOf(content);
  EXPECT_EQ(saved.bytes[SettingsRecord::kMethodOffset], SettingsRecord::kNoMethod);
  EXPECT_EQ(saved.bytes[SettingsRecord::kDateFolderOffset], 0);
  EXPECT_EQ(saved.bytes[567], 0x5A);
  EXPECT_EQ(saved.ReadInt32(SettingsRecord::kLeftOffset), 200);
  EXPECT_EQ(saved.ReadInt32(SettingsRecord::kTopOffset), 150);
  EXPECT_EQ(saved.ReadInt32(SettingsRecord::kHeightOffset), 400);
  EXPECT_EQ(saved.ReadInt32(SettingsRecord::kWidthOffset), 600);
}

// The user closes the window while the first archiver still runs. The close
// is handled at the run's next message pass; the run still archives the
// rest and reports, and only then does the program end.
TEST_F(KelmarinEndToEnd, CloseDuringARunEndsTheProgramAfterTheRun) {
  ASSERT_NO_FATAL_FAILURE(WriteSettings(EarlierSettings(0, false)));
  ScopedEnvironment slowArchiver(test_support::kSleepVariable, Text("2000"));
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(TickAll({kAccounts, kTrade}));

  app->Click("Button2");
  ASSERT_TRUE(PollUntil([&] { return Log().size() == 1; })) << "the archiver was not started";
  app->CloseByTitleBar();

  std::optional<SeenBox> completion = app->WaitForBox();
  ASSERT_TRUE(completion) << "the run did not finish with its completion message";
  ExpectRunBox(*completion, BoxIcon::Information);
  ExpectCompletion(completion->text, "");
  EXPECT_EQ(Log().size(), 2u);
  ASSERT_TRUE(app->Dismiss(*completion));

  ASSERT_NO_FATAL_FAILURE(ExpectExitCodeZero());
  EXPECT_EQ(FileContent(settingsPath).size(), SettingsRecord::kSize);
}

// A file stands where today's date folder should be created: the error box
// of the application reports it, nothing is archived, and the program goes
// on; it is then closed with the "Закрыть" of the settings page.
TEST_F(KelmarinEndToEnd, AFileInPlaceOfTheDateFolderStopsTheRunWithAnError) {
  ASSERT_NO_FATAL_FAILURE(WriteSettings(EarlierSettings(1, true)));
  // Tomorrow's too, should the run start after midnight.
  for (int day : {0, 1}) {
    ASSERT_TRUE(test_support::WriteTextFile(destination + "\\" + DayFolder(day), "x"));
  }
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_TRUE(app->DateFolderTicked());
  ASSERT_NO_FATAL_FAILURE(TickAll({kTrade}));

  app->Click("Button2");
  std::optional<SeenBox> error = app->WaitForBox();
  ASSERT_TRUE(error) << "no error box";
  ExpectErrorBox(*error);
  EXPECT_EQ(error->text, "I/O error 183.");
  EXPECT_FALSE(IsWindowEnabled(app->Form())) << "the main window takes input under the box";
  ASSERT_TRUE(app->Dismiss(*error));

  EXPECT_TRUE(app->NoBoxFor(1000));
  EXPECT_TRUE(Log().empty());
  EXPECT_FALSE(IsWindowVisible(app->Control("ProgressBar1")));
  EXPECT_TRUE(app->Ticked(app->IndexOf(kTrade)));
  EXPECT_TRUE(app->Running());

  app->Click("Button4");
  ASSERT_NO_FATAL_FAILURE(ExpectExitCodeZero());
}

// A settings file marked read-only is read at start; at exit it cannot be
// replaced: the error box says so as the program's last act, the file keeps
// what it held, and the program still ends normally.
TEST_F(KelmarinEndToEnd, AReadOnlySettingsFileIsReadAndKeptWithAnErrorAtExit) {
  ASSERT_NO_FATAL_FAILURE(WriteSettings(EarlierSettings(4, false)));
  const Text before = FileContent(settingsPath);
  test_support::WriteProtected readOnly(settingsPath);
  ASSERT_TRUE(readOnly.Refuses()) << "the settings file could not be made read-only";
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(Utf8(app->TextOf("Edit1")), Utf8(archiver));
  EXPECT_EQ(app->MethodIndex(), 4);

  app->SetText("Edit2", "бухгалтер");
  app->Click("Button1");
  std::optional<SeenBox> error = app->WaitForBox();
  ASSERT_TRUE(error) << "no error box at exit";
  ExpectErrorBox(*error);
  const Text start = "Cannot create file \"" + settingsPath + "\". ";
  EXPECT_EQ(Utf8(error->text.substr(0, start.size())), Utf8(start));
  EXPECT_GT(error->text.size(), start.size() + 1);
  EXPECT_EQ(error->text.back(), '.');
  ASSERT_TRUE(app->Dismiss(*error));

  ASSERT_NO_FATAL_FAILURE(ExpectExitCodeZero());
  EXPECT_EQ(FileContent(settingsPath), before);
}

}  // namespace
}  // namespace kelmarin::e2e
