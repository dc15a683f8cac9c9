#include "platform/win32/win32_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "archiving/command_line.h"
#include "platform/errors.h"
#include "support/stand_in.h"
#include "support/write_protected.h"

namespace kelmarin::win32 {
namespace {

using test_support::ReadLogLines;
using test_support::ScopedEnvironment;
using test_support::StandInPath;
using test_support::TempFolder;
using test_support::WriteTextFile;

// A folder with a file "data.txt" and a folder "sub".
class FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteTextFile(folder_ / "data.txt", "x"));
    ASSERT_TRUE(CreateDirectoryA((folder_ / "sub").c_str(), nullptr));
  }

  TempFolder folder_;
  Win32System system_;
};

TEST_F(FileSystemTest, FileTestFindsOnlyFiles) {
  struct Case {
    const char* path;  // inside the folder; nullptr for the empty path
    bool exists;
  } cases[] = {
      {"data.txt", true},
      {"missing.txt", false},
      {"sub", false},
      {"da*.txt", true},    // a wildcard acts as one
      {"su?", false},       // the first entry found is a folder
      {nullptr, false},
  };
  for (const Case& c : cases) {
    Text path = c.path ? folder_ / c.path : Text();
    EXPECT_EQ(system_.FileExists(path), c.exists) << path;
  }
}

TEST_F(FileSystemTest, FileTestRefusesAFileWithoutAFileDate) {
  // 1 January 1970: before the first date a file date can hold.
  Text path = folder_ / "old.txt";
  ASSERT_TRUE(WriteTextFile(path, "x"));
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  FILETIME epoch{0xD53E8000u, 0x019DB1DEu};
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &epoch));
  CloseHandle(file);

  EXPECT_FALSE(system_.FileExists(path));
}

TEST_F(FileSystemTest, DirectoryTestFindsOnlyFolders) {
  struct Case {
    const char* path;  // inside the folder; nullptr for the empty path
    bool exists;
  } cases[] = {
      {"sub", true},
      {"sub\\", true},
      {"su*", false},
      {"su?\\", false},
      {"data.txt", false},
      {"missing", false},
      {nullptr, false},
  };
  for (const Case& c : cases) {
    Text path = c.path ? folder_ / c.path : Text();
    EXPECT_EQ(system_.DirectoryExists(path), c.exists) << path;
  }
}

TEST_F(FileSystemTest, CreateFolderMakesOneFolder) {
  Text path = folder_ / "05-03-2024";
  system_.CreateFolder(path);
  EXPECT_TRUE(system_.DirectoryExists(path));
}

TEST_F(FileSystemTest, CreateFolderFailureIsAnInOutError) {
  struct Case {
    const char* path;
    uint32_t code;
    const char* message;
  } cases[] = {
      {"data.txt", ERROR_ALREADY_EXISTS, "I/O error 183"},
      {"missing\\05-03-2024", ERROR_PATH_NOT_FOUND, "Invalid filename"},
      {"locked\\05-03-2024", ERROR_ACCESS_DENIED, "File access denied"},
  };
  // A destination the user may not write to.
  ASSERT_TRUE(CreateDirectoryA((folder_ / "locked").c_str(), nullptr));
  test_support::WriteProtected locked(folder_ / "locked");
  ASSERT_TRUE(locked.Refuses());
  for (const Case& c : cases) {
    try {
      system_.CreateFolder(folder_ / c.path);
      ADD_FAILURE() << c.path << " was created";
    } catch (const InOutError& error) {
      EXPECT_EQ(error.Code(), c.code) << c.path;
      EXPECT_EQ(error.Message(), c.message) << c.path;
    }
  }
}

TEST(Win32SystemTime, NowIsTheLocalClock) {
  SYSTEMTIME before;
  GetLocalTime(&before);
  LocalTime now = Win32System().Now();
  EXPECT_EQ(now.year, before.wYear);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.hour, 23);
  EXPECT_LE(now.millisecond, 999);
}

// Whether the locale's own picture of a time ("H:mm:ss", "HH:mm:ss") writes
// the hour in two digits.
bool HourPictureHasTwoDigits(LCID locale) {
  char picture[100];
  if (!GetLocaleInfoA(locale, LOCALE_STIMEFORMAT, picture, sizeof picture)) return false;
  Text text = picture;
  return text.find("HH") != Text::npos || text.find("hh") != Text::npos;
}

// The format follows the thread's locale as it is when asked, so a change of
// the regional settings while the program runs is seen. (Wine writes Russian
// hours with two digits, Windows with one: the locale's own picture decides.)
TEST(Win32SystemTime, LongTimeFormatFollowsTheCurrentLocale) {
  struct Case {
    LCID locale;
    bool twelveHour;
    const char* amText;  // nullptr: not representable in code page 1251
    const char* pmText;
    bool markerFirst;
  } cases[] = {
      {MAKELCID(0x0419, SORT_DEFAULT), false, nullptr, nullptr, false},  // Russian
      {MAKELCID(0x0409, SORT_DEFAULT), true, "AM", "PM", false},         // US English
      {MAKELCID(0x0412, SORT_DEFAULT), true, nullptr, nullptr, true},    // Korean
  };
  LCID original = GetThreadLocale();
  EXPECT_EQ(PRIMARYLANGID(LANGIDFROMLCID(original)), LANG_RUSSIAN)
      << "the tests run with Russian regional settings";
  for (const Case& c : cases) {
    ASSERT_TRUE(SetThreadLocale(c.locale));
    LongTimeFormat format = Win32System().UserLongTimeFormat();
    EXPECT_EQ(format.leadingZeroHours, HourPictureHasTwoDigits(c.locale)) << c.locale;
    EXPECT_EQ(format.separator, ":") << c.locale;
    EXPECT_EQ(format.twelveHour, c.twelveHour) << c.locale;
    if (c.amText) {
      EXPECT_EQ(format.amText, c.amText) << c.locale;
      EXPECT_EQ(format.pmText, c.pmText) << c.locale;
    }
    EXPECT_EQ(format.markerFirst, c.markerFirst) << c.locale;
  }
  // US hours have one digit, so both answers of the hour picture are seen.
  EXPECT_FALSE(HourPictureHasTwoDigits(MAKELCID(0x0409, SORT_DEFAULT)));
  SetThreadLocale(original);
}

// The stand-in archiver, copied into a folder whose name has a space, as
// "C:\Program Files\WinRAR\Rar.exe" would be.
class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateDirectoryA((folder_ / "Win Rar").c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(StandInPath().c_str(), archiver_.c_str(), TRUE))
        << "no stand-in at " << StandInPath();
  }

  TempFolder folder_;
  Text archiver_ = folder_ / "Win Rar\\Rar.exe";
  Text log_ = folder_ / "calls.log";
  ScopedEnvironment logVariable_{test_support::kLogVariable, log_};
  Win32System system_;
};

TEST_F(ProcessTest, TheArchiverGetsTheCommandLineAndItsExitCodeComesBack) {
  ScopedEnvironment exitCode(test_support::kExitVariable, Text("7"));
  Text prefix = ArchivePrefix(5, true, "D:\\Backup\\", "19-06-2024", "SRV");
  Text commandLine =
      CommandLine(prefix, "Торговля и склад 7.7", "admin", "C:\\1Cv77\\Trade", archiver_);

  ProcessOutcome outcome = system_.RunAndWait(commandLine);

  EXPECT_TRUE(outcome.started);
  EXPECT_EQ(outcome.exitCode, 7u);
  EXPECT_EQ(ReadLogLines(log_), std::vector<Text>{commandLine});
}

TEST_F(ProcessTest, EachCallTakesItsOwnExitCodeAndTheLastRepeats) {
  ScopedEnvironment exitCodes(test_support::kExitVariable, Text("3,0,5"));
  Text commandLine = "\"" + archiver_ + "\" call";
  for (uint32_t expected : {3u, 0u, 5u, 5u}) {
    ProcessOutcome outcome = system_.RunAndWait(commandLine);
    EXPECT_TRUE(outcome.started);
    EXPECT_EQ(outcome.exitCode, expected);
  }
  EXPECT_EQ(ReadLogLines(log_).size(), 4u);
}

TEST_F(ProcessTest, TheCallerWaitsUntilTheArchiverHasEnded) {
  ScopedEnvironment sleep(test_support::kSleepVariable, Text("400"));
  DWORD start = GetTickCount();
  ProcessOutcome outcome = system_.RunAndWait("\"" + archiver_ + "\"");
  EXPECT_TRUE(outcome.started);
  EXPECT_GE(GetTickCount() - start, 350u);  // the tick count is coarse
}

TEST_F(ProcessTest, AProgramThatCannotStartIsReportedAsNotStarted) {
  ASSERT_TRUE(WriteTextFile(folder_ / "notes.exe", "not a program"));
  for (const Text& program : {folder_ / "missing.exe", folder_ / "notes.exe"}) {
    ProcessOutcome outcome = system_.RunAndWait("\"" + program + "\" a");
    EXPECT_FALSE(outcome.started) << program;
  }
}

// The handles this process holds, found by asking about every small handle
// value (Wine's GetProcessHandleCount always says 0).
int OpenHandleCount() {
  int count = 0;
  for (ULONG_PTR value = 4; value < 0x4000; value += 4) {
    DWORD flags;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

TEST_F(ProcessTest, NoHandleIsLeftOpenAfterTheWait) {
  Text commandLine = "\"" + archiver_ + "\"";
  system_.RunAndWait(commandLine);
  int before = OpenHandleCount();
  for (int i = 0; i < 3; ++i) system_.RunAndWait(commandLine);
  EXPECT_EQ(OpenHandleCount(), before);
}

}  // namespace
}  // namespace kelmarin::win32
