#include "archiving/archiving_run.h"

#include <algorithm>
#include <utility>

#include <gtest/gtest.h>

#include "archiving/fake_run_window.h"
#include "archiving/fake_system.h"
#include "platform/errors.h"

namespace kelmarin {
namespace {

constexpr const char* kRar = "C:\\Rar\\Rar.exe";
constexpr const char* kSwitches =
    "a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m3 -- ";

// A window with the archiver and the destination in place, and the fakes
// behind it. Tests add infobases and change what they are about.
struct Scene {
  CallLog log;
  FakeRunWindow window{log};
  FakeSystem system{log};
  InfobasePaths paths;

  Scene() {
    window.fields[Field::Edit1] = kRar;
    window.fields[Field::Edit4] = "D:\\Backup";
    window.methodIndex = 3;
    system.files = {kRar};
    system.directories = {"D:\\Backup\\"};
    system.clock = {At(2024, 6, 19, 10, 0, 0)};
  }

  void Add(const Text& title, const Text& path, bool ticked, bool exists = true) {
    window.items.push_back({title, ticked});
    paths.push_back(path);
    if (exists) system.directories.insert(path);
  }

  void Run() { RunArchiving(window, system, paths); }

  bool Logged(const std::string& entry) const {
    return std::find(log.entries.begin(), log.entries.end(), entry) !=
           log.entries.end();
  }
};

Text Command(const Text& archiveName, const Text& source) {
  return "\"" + Text(kRar) + "\" " + kSwitches + "\"" + archiveName + "\" \"" +
         source + "\"";
}

Text Completion(const Text& elapsed) {
  return "Архивация завершена.\n\rЗатраченное время: " + elapsed;
}

// Every box is the run's own: owned by the main window, captioned alike.
void ExpectBoxes(const FakeSystem& system,
                 const std::vector<std::pair<unsigned, Text>>& expected) {
  ASSERT_EQ(system.messages.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const FakeSystem::Message& box = system.messages[i];
    EXPECT_EQ(box.owner, FakeRunWindow::OwnerHandle());
    EXPECT_EQ(box.caption, "Архивация БД");
    EXPECT_EQ(box.icon, expected[i].first) << i;
    EXPECT_EQ(box.text, expected[i].second) << i;
  }
}

void ExpectProgressNeverShown(const Scene& s) {
  EXPECT_FALSE(s.Logged("Label8 shown"));
  EXPECT_FALSE(s.Logged("ProgressBar1 shown"));
  EXPECT_EQ(s.window.progressSteps, 0);
  EXPECT_TRUE(s.window.stayOnTop);
  EXPECT_TRUE(s.system.commandLines.empty());
}

TEST(ArchivingRun, StepsInOrder) {
  Scene s;
  s.window.fields = {{Field::Edit1, " C:\\Rar\\Rar.exe\t"},
                     {Field::Edit2, "srv."},
                     {Field::Edit3, " ivanov.i "},
                     {Field::Edit4, "D:\\Backup"}};
  s.window.methodIndex = 5;
  s.window.dateFolderTicked = true;
  s.system.clock = {At(2024, 6, 19, 10, 0, 0), At(2024, 6, 19, 10, 0, 1),
                    At(2024, 6, 19, 11, 2, 4, 900)};
  s.Add("Торговля", "C:\\1C\\Trade", true);
  s.Add("Зарплата", "C:\\1C\\Pay", true, false);
  s.Add("Склад", "C:\\1C\\Store", false);

  s.Run();

  const std::vector<std::string> expected = {
      "get Edit1", "set Edit1 'C:\\Rar\\Rar.exe'",
      "get Edit2", "set Edit2 'srv.'",
      "get Edit3", "set Edit3 'ivanov.i'",
      "get Edit4", "set Edit4 'D:\\Backup'",
      "get Edit2", "set Edit2 'srv '",
      "get Edit3", "set Edit3 'ivanov i'",
      "get Edit4", "set Edit4 'D:\\Backup\\'",
      "get Edit1", "FileExists 'C:\\Rar\\Rar.exe'",
      "get Edit4", "DirectoryExists 'D:\\Backup\\'",
      "DateFolderTicked", "Now",
      "get Edit4", "DirectoryExists 'D:\\Backup\\19-06-2024'",
      "CreateFolder 'D:\\Backup\\19-06-2024'",
      "MethodIndex", "get Edit4", "get Edit2",
      "ItemCount",
      "ItemTicked 0", "DirectoryExists 'C:\\1C\\Trade'",
      "ItemTicked 1", "DirectoryExists 'C:\\1C\\Pay'", "UntickItem 1",
      "ItemText 1",
      "ShowMessage 48 'БД \"Зарплата\" по указанному пути (C:\\1C\\Pay) не найдена.'",
      "ItemTicked 2",
      "DropStayOnTop", "Now", "Label8 shown", "ProgressPosition 0",
      "ProgressBar1 shown", "ProgressMax 10",
      "ItemCount",
      "ItemTicked 0", "SelectItem 0", "ListClick", "StepProgress",
      "ProcessWaitingMessages", "DirectoryExists 'C:\\1C\\Trade'",
      "ItemText 0", "get Edit3", "get Edit1",
      "RunAndWait \"C:\\Rar\\Rar.exe\" "
      "a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m5 -- "
      "\"D:\\Backup\\19-06-2024\\srv _Торговля_ivanov i_\" \"C:\\1C\\Trade\"",
      "StepProgress",
      "ItemTicked 1", "ItemTicked 2",
      "ProgressBar1 hidden", "Label8 hidden",
      "Now", "UserLongTimeFormat",
      "ShowMessage 64 'Архивация завершена.\n\rЗатраченное время: 1:02:03'",
  };
  EXPECT_EQ(s.log.entries, expected);
}

TEST(ArchivingRun, TidiedFieldsStayWhateverTheExit) {
  struct Case {
    Text in[4];
    Text out[4];
  } cases[] = {
      {{" C:\\Rar.exe\t", " srv.", "\r\nuser.name ", " D:\\Backup "},
       {"C:\\Rar.exe", "srv ", "user name", "D:\\Backup\\"}},
      {{"", "", "", ""}, {"", "", "", ""}},
      {{"x", "a\\b", "   ", "D:\\Backup\\"}, {"x", "a b", "", "D:\\Backup\\"}},
      {{"x", " .. ", ".", "\\\\srv\\share"}, {"x", "  ", " ", "\\\\srv\\share\\"}},
  };
  const Field fields[] = {Field::Edit1, Field::Edit2, Field::Edit3, Field::Edit4};
  for (const auto& c : cases) {
    Scene s;
    s.system.files.clear();  // the run ends at the archiver check
    for (int f = 0; f < 4; ++f) s.window.fields[fields[f]] = c.in[f];
    s.Run();
    for (int f = 0; f < 4; ++f) {
      EXPECT_EQ(s.window.fields[fields[f]], c.out[f]) << FieldName(fields[f]);
    }
  }
}

TEST(ArchivingRun, MissingArchiverOrDestinationEndsBeforeAnythingIsCreated) {
  struct Case {
    const char* name;
    Text edit1;
    Text edit4;
    Text message;
  } cases[] = {
      {"archiver field empty", "", "D:\\Backup", "Не найден архиватор."},
      {"archiver names a folder", "C:\\Rar", "D:\\Backup", "Не найден архиватор."},
      {"archiver file missing", "C:\\Rar\\Old.exe", "D:\\Backup",
       "Не найден архиватор."},
      {"destination missing", kRar, " D:\\Nope ",
       "Ошибка доступа.\n\rНе найден путь назначения: D:\\Nope\\"},
      {"destination field empty", kRar, "  ",
       "Ошибка доступа.\n\rНе найден путь назначения: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Scene s;
    s.system.directories.insert("C:\\Rar");
    s.window.fields[Field::Edit1] = c.edit1;
    s.window.fields[Field::Edit4] = c.edit4;
    s.window.dateFolderTicked = true;
    s.Add("Торговля", "C:\\1C\\Trade", true, false);
    s.Run();
    ExpectBoxes(s.system, {{kIconError, c.message}});
    EXPECT_FALSE(s.Logged("Now"));
    EXPECT_TRUE(s.system.createdFolders.empty());
    EXPECT_TRUE(s.window.items[0].ticked);
    ExpectProgressNeverShown(s);
  }
}

TEST(ArchivingRun, NothingToArchiveEndsAfterTheDateFolderWithoutCompletion) {
  struct Case {
    const char* name;
    std::vector<FakeRunWindow::Item> items;
    std::vector<std::pair<unsigned, Text>> boxes;
  } cases[] = {
      {"empty list", {}, {}},
      {"nothing ticked", {{"А", false}, {"Б", false}}, {}},
      {"every ticked infobase missing",
       {{"А", false}, {"Б", true}},
       {{kIconWarning, "БД \"Б\" по указанному пути (C:\\1C\\1) не найдена."}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Scene s;
    s.window.dateFolderTicked = true;
    for (size_t i = 0; i < c.items.size(); ++i) {
      s.Add(c.items[i].text, "C:\\1C\\" + std::to_string(i), c.items[i].ticked,
            false);
    }
    s.Run();
    EXPECT_EQ(s.system.createdFolders, std::vector<Text>{"D:\\Backup\\19-06-2024"});
    ExpectBoxes(s.system, c.boxes);
    ExpectProgressNeverShown(s);
  }
}

TEST(ArchivingRun, ExistingDateFolderIsUsedAsItIs) {
  Scene s;
  s.window.dateFolderTicked = true;
  s.system.directories.insert("D:\\Backup\\19-06-2024");
  s.Add("Торговля", "C:\\1C\\Trade", true);
  s.Run();
  EXPECT_TRUE(s.system.createdFolders.empty());
  EXPECT_EQ(s.system.commandLines,
            std::vector<Text>{Command("D:\\Backup\\19-06-2024\\Торговля_",
                                      "C:\\1C\\Trade")});
}

TEST(ArchivingRun, DateFolderThatCannotBeCreatedEndsTheRunWithItsError) {
  struct Case {
    uint32_t code;
    Text message;
  } cases[] = {{5, "File access denied"}, {183, "I/O error 183"}};
  for (const auto& c : cases) {
    Scene s;
    s.window.dateFolderTicked = true;
    s.window.fields[Field::Edit2] = " srv.";
    s.system.createFolderError = c.code;
    s.Add("Торговля", "C:\\1C\\Trade", true);
    try {
      s.Run();
      ADD_FAILURE() << "no error for code " << c.code;
    } catch (const InOutError& error) {
      EXPECT_EQ(error.Code(), c.code);
      EXPECT_EQ(error.Message(), c.message);
    }
    EXPECT_EQ(s.window.fields[Field::Edit2], "srv ");
    EXPECT_EQ(s.window.fields[Field::Edit4], "D:\\Backup\\");
    EXPECT_FALSE(s.Logged("ItemCount"));
    ExpectBoxes(s.system, {});
    ExpectProgressNeverShown(s);
  }
}

TEST(ArchivingRun, MissingInfobaseIsUntickedReportedAndTheOthersArchived) {
  Scene s;
  s.Add("Торговля", "C:\\1C\\Trade", true);
  s.Add("Зарплата 2.5", "C:\\1C\\Pay", true, false);
  s.Add("Склад", "C:\\1C\\Store", true);
  s.Run();

  EXPECT_FALSE(s.window.items[1].ticked);
  EXPECT_TRUE(s.window.items[0].ticked);
  EXPECT_TRUE(s.window.items[2].ticked);
  ExpectBoxes(s.system,
              {{kIconWarning,
                "БД \"Зарплата 2.5\" по указанному пути (C:\\1C\\Pay) не найдена."},
               {kIconInformation, Completion("0:00:00")}});
  EXPECT_EQ(s.system.commandLines,
            (std::vector<Text>{Command("D:\\Backup\\Торговля_", "C:\\1C\\Trade"),
                               Command("D:\\Backup\\Склад_", "C:\\1C\\Store")}));
  EXPECT_EQ(s.window.progressMax, 20);
  EXPECT_EQ(s.window.progressSteps, 4);
  EXPECT_EQ(s.window.progressPosition, 20);
  EXPECT_FALSE(s.window.progressVisible);
  EXPECT_FALSE(s.window.progressLabelVisible);
  EXPECT_FALSE(s.window.stayOnTop);
  EXPECT_EQ(s.window.listClicks, 2);
}

TEST(ArchivingRun, PositionWithoutPathCountsAsMissing) {
  Scene s;
  s.Add("Торговля", "C:\\1C\\Trade", true);
  s.window.items.push_back({"Лишняя", true});
  s.Run();

  EXPECT_FALSE(s.window.items[1].ticked);
  ExpectBoxes(s.system,
              {{kIconWarning, "БД \"Лишняя\" по указанному пути () не найдена."},
               {kIconInformation, Completion("0:00:00")}});
  EXPECT_EQ(s.system.commandLines.size(), 1u);
}

TEST(ArchivingRun, ElapsedTimeInTheUsersLongTimeFormat) {
  const LongTimeFormat russian{};
  const LongTimeFormat usEnglish{false, ":", true, "AM", "PM", false};
  struct Case {
    const char* name;
    const LongTimeFormat& format;
    LocalTime start, end;
    Text elapsed;
  } cases[] = {
      {"fractions dropped", russian, At(2024, 6, 19, 10, 0, 0, 500),
       At(2024, 6, 19, 11, 2, 4, 400), "1:02:03"},
      {"past midnight", russian, At(2024, 6, 19, 23, 58, 0),
       At(2024, 6, 20, 0, 3, 0), "23:55:00"},
      {"12-hour clock", usEnglish, At(2024, 6, 19, 9, 0, 0),
       At(2024, 6, 19, 9, 5, 0), "12:05:00 AM"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Scene s;
    s.system.clock = {c.start, c.end};
    s.system.longTimeFormat = c.format;
    s.Add("Торговля", "C:\\1C\\Trade", true);
    s.Run();
    ExpectBoxes(s.system, {{kIconInformation, Completion(c.elapsed)}});
  }
}

TEST(ArchivingRun, RunPastMidnightKeepsToTheFolderOfItsFirstDay) {
  Scene s;
  s.window.dateFolderTicked = true;
  s.system.clock = {At(2024, 6, 19, 23, 57, 30), At(2024, 6, 19, 23, 58, 0),
                    At(2024, 6, 20, 0, 3, 0)};
  s.Add("А", "C:\\1C\\A", true);
  s.Add("Б", "C:\\1C\\B", true);
  s.Run();
  EXPECT_EQ(s.system.commandLines,
            (std::vector<Text>{Command("D:\\Backup\\19-06-2024\\А_", "C:\\1C\\A"),
                               Command("D:\\Backup\\19-06-2024\\Б_", "C:\\1C\\B")}));
  ExpectBoxes(s.system, {{kIconInformation, Completion("23:55:00")}});
}

TEST(ArchivingRun, InfobasesWithoutArchiveAreListedInTheCompletion) {
  Scene s;
  s.Add("Торговля", "C:\\1C\\Trade", true);
  s.Add("Склад", "C:\\1C\\Store", true);
  s.Add("Зарплата 2.5", "C:\\1C\\Pay", true);
  s.Add("Касса", "C:\\1C\\Cash", true);
  s.Add("Банк", "C:\\1C\\Bank", true);
  s.system.runOutcome = [](const Text& commandLine) -> ProcessOutcome {
    if (commandLine.find("Торговля") != Text::npos) return {false, 0};
    if (commandLine.find("Склад") != Text::npos) return {true, 5};
    if (commandLine.find("Банк") != Text::npos) return {true, 0xC0000005};
    return {true, 0};
  };
  // The directory goes while the run waits for the archivers before it.
  s.window.onWaitingMessages = [&s](int pass) {
    if (pass == 2) s.system.directories.erase("C:\\1C\\Pay");
  };
  s.Run();

  ExpectBoxes(s.system,
              {{kIconWarning, Completion("0:00:00") +
                                  "\n\rНе удалось заархивировать:"
                                  "\n\r\"Торговля\": архиватор не запущен"
                                  "\n\r\"Склад\": код завершения 5"
                                  "\n\r\"Зарплата 2.5\": каталог не найден"
                                  "\n\r\"Банк\": код завершения 3221225477"}});
  EXPECT_EQ(s.system.commandLines.size(), 4u);
  EXPECT_EQ(s.window.progressSteps, 10);
  EXPECT_EQ(s.window.progressPosition, 50);
  EXPECT_TRUE(s.window.items[2].ticked);
}

TEST(ArchivingRun, InputDuringTheMessagePassIsSeen) {
  Scene s;
  s.Add("А", "C:\\1C\\A", true);
  s.Add("Б", "C:\\1C\\B", false);
  s.Add("В", "C:\\1C\\C", true);
  s.Add("Д", "C:\\1C\\D", true);
  s.window.onWaitingMessages = [&s](int pass) {
    if (pass != 1) return;
    s.window.items[1].ticked = true;
    s.window.items[3].ticked = false;
    s.window.items[2].text = "Г.1";
    // Used as typed: the tidying is over by now.
    s.window.fields[Field::Edit3] = "new.user";
    s.window.fields[Field::Edit1] = " C:\\Other\\rar.exe";
  };
  s.Run();

  const Text tail = Text("\" ") + kSwitches;
  EXPECT_EQ(s.system.commandLines,
            (std::vector<Text>{
                "\" C:\\Other\\rar.exe" + tail +
                    "\"D:\\Backup\\А_new.user_\" \"C:\\1C\\A\"",
                "\" C:\\Other\\rar.exe" + tail +
                    "\"D:\\Backup\\Б_new.user_\" \"C:\\1C\\B\"",
                "\" C:\\Other\\rar.exe" + tail +
                    "\"D:\\Backup\\Г 1_new.user_\" \"C:\\1C\\C\"",
            }));
  EXPECT_EQ(s.window.progressMax, 30);
  EXPECT_EQ(s.window.progressSteps, 6);
  ExpectBoxes(s.system, {{kIconInformation, Completion("0:00:00")}});
}

}  // namespace
}  // namespace kelmarin
