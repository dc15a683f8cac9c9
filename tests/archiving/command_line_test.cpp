#include "archiving/command_line.h"

#include <climits>

#include <gtest/gtest.h>

namespace kelmarin {
namespace {

TEST(ArchiverSwitches, MethodDigitOrNormalOutsideTheSixMethods) {
  const Text head = "a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m";
  struct Case {
    int methodIndex;
    Text method;
  } cases[] = {
      {0, "0"}, {1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"},
      {-1, "3"}, {6, "3"}, {100, "3"}, {INT_MIN, "3"}, {INT_MAX, "3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ArchiverSwitches(c.methodIndex), head + c.method + " --")
        << c.methodIndex;
  }
}

TEST(CommandLine, ArchiverQuotedThenSwitchesArchiveNameAndDirectory) {
  struct Case {
    const char* name;
    int methodIndex;
    bool dateFolderOn;
    Text destination, dateFolder, computerPart, title, userPart, sourcePath,
        archiverPath;
    Text commandLine;
  } cases[] = {
      {"every piece", 5, true, "D:\\Backup\\", "19-06-2024", "SRV",
       "Торговля и склад", "admin", "C:\\1Cv77\\Trade",
       "C:\\Program Files\\WinRAR\\Rar.exe",
       "\"C:\\Program Files\\WinRAR\\Rar.exe\" "
       "a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m5 -- "
       "\"D:\\Backup\\19-06-2024\\SRV_Торговля и склад_admin_\" "
       "\"C:\\1Cv77\\Trade\""},
      {"no optional pieces", 5, false, "D:\\Backup\\", "", "",
       "Торговля и склад", "", "C:\\1Cv77\\Trade", "C:\\Rar.exe",
       "\"C:\\Rar.exe\" a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m5 -- "
       "\"D:\\Backup\\Торговля и склад_\" \"C:\\1Cv77\\Trade\""},
      {"date folder off ignores its text", 0, false, "D:\\B\\", "19-06-2024",
       "", "T", "", "C:\\T", "r.exe",
       "\"r.exe\" a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m0 -- "
       "\"D:\\B\\T_\" \"C:\\T\""},
      {"nothing selected", -1, false, "D:\\B\\", "", "", "T", "", "C:\\T",
       "r.exe",
       "\"r.exe\" a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m3 -- "
       "\"D:\\B\\T_\" \"C:\\T\""},
      {"dots in the title become spaces", 3, false, "D:\\B\\", "", "",
       "Зарплата 2.5", "", "C:\\Z", "r.exe",
       "\"r.exe\" a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m3 -- "
       "\"D:\\B\\Зарплата 2 5_\" \"C:\\Z\""},
      {"title only of reserved characters", 3, false, "D:\\B\\", "", "", "...",
       "", "C:\\Z", "r.exe",
       "\"r.exe\" a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m3 -- "
       "\"D:\\B\\   _\" \"C:\\Z\""},
      {"name parts with spaces, source passed unchanged", 1, true, "E:\\",
       "01-01-2025", "srv ", "Склад", "Иванов И", "C:\\Base 1\\*", "r.exe",
       "\"r.exe\" a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m1 -- "
       "\"E:\\01-01-2025\\srv _Склад_Иванов И_\" \"C:\\Base 1\\*\""},
  };
  for (const auto& c : cases) {
    const Text prefix = ArchivePrefix(c.methodIndex, c.dateFolderOn,
                                      c.destination, c.dateFolder,
                                      c.computerPart);
    EXPECT_EQ(CommandLine(prefix, c.title, c.userPart, c.sourcePath,
                          c.archiverPath),
              c.commandLine)
        << c.name;
  }
}

}  // namespace
}  // namespace kelmarin
