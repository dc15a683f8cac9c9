#include "platform/win32/win32_settings_storage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "platform/errors.h"
#include "platform/win32/handle.h"
#include "support/write_protected.h"

namespace kelmarin::win32 {
namespace {

Bytes Pattern(size_t size, uint8_t seed) {
  Bytes bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7);
  return bytes;
}

// The file's content, read while sharing it with everybody.
Bytes ContentOf(const Text& path) {
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
  if (!file.Valid()) return {};
  Bytes bytes(4096);
  DWORD read = 0;
  ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

void PutFile(const Text& path, const Bytes& bytes) {
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file.Valid()) << path;
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                        nullptr));
}

template <class Failure, class Action>
Text FailureOf(Action action) {
  try {
    action();
  } catch (const Failure& failure) {
    return failure.Message();
  } catch (const Error& other) {
    return "another error: " + other.Message();
  }
  return "no error";
}

// A message of the form '<what> "<path>". <the system's description>'.
void ExpectFileMessage(const Text& message, const Text& what, const Text& path) {
  Text start = what + " \"" + path + "\". ";
  EXPECT_EQ(message.substr(0, start.size()), start) << message;
  EXPECT_GT(message.size(), start.size()) << message;
}

class Win32SettingsStorageTest : public testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    dir_ = Text(temp) + "kelmarin-settings-" + std::to_string(GetCurrentProcessId()) + "\\";
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    path_ = dir_ + "settings.opt";
    RemoveSettingsFile();
  }
  void TearDown() override {
    RemoveSettingsFile();
    RemoveDirectoryA(dir_.c_str());
  }
  void RemoveSettingsFile() {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path_.c_str());
    RemoveDirectoryA(path_.c_str());
  }

  Win32SettingsStorage storage_;
  Text dir_;
  Text path_;
};

TEST_F(Win32SettingsStorageTest, RoundTripThroughARealFile) {
  EXPECT_TRUE(storage_.FileExists(storage_.ModuleFileName()));
  EXPECT_FALSE(storage_.FileExists(path_));

  Bytes record = Pattern(584, 1);
  storage_.WriteExclusive(path_, record);

  EXPECT_TRUE(storage_.FileExists(path_));
  EXPECT_EQ(storage_.ReadExclusive(path_, 584), record);
  EXPECT_EQ(GetFileAttributesA(path_.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                                 FILE_ATTRIBUTE_SYSTEM),
            0u);
}

TEST_F(Win32SettingsStorageTest, ReadsAtMostTheRecordAndReplacesAnEarlierFileWhole) {
  const std::optional<size_t> earlierSizes[] = {std::nullopt, 0, 300, 584, 700};
  for (const auto& earlierSize : earlierSizes) {
    SCOPED_TRACE(earlierSize ? std::to_string(*earlierSize) + " bytes" : "no file");
    RemoveSettingsFile();
    if (earlierSize) {
      Bytes earlier = Pattern(*earlierSize, 100);
      PutFile(path_, earlier);
      earlier.resize(std::min<size_t>(*earlierSize, 584));
      EXPECT_EQ(storage_.ReadExclusive(path_, 584), earlier);
    }

    Bytes record = Pattern(584, 3);
    storage_.WriteExclusive(path_, record);
    EXPECT_EQ(ContentOf(path_), record);
  }
}

TEST_F(Win32SettingsStorageTest, AFileHeldOpenWithNoSharingIsNeitherReadNorReplaced) {
  Bytes earlier = Pattern(584, 5);
  PutFile(path_, earlier);
  {
    UniqueHandle held(CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held.Valid());
    ExpectFileMessage(FailureOf<FileOpenError>([&] { storage_.ReadExclusive(path_, 584); }),
                      "Cannot open file", path_);
    ExpectFileMessage(
        FailureOf<FileCreateError>([&] { storage_.WriteExclusive(path_, Pattern(584, 9)); }),
        "Cannot create file", path_);
  }
  EXPECT_EQ(ContentOf(path_), earlier);
}

TEST_F(Win32SettingsStorageTest, AReadOnlyHiddenOrSystemFileIsReadButNotReplaced) {
  struct Case {
    const char* what;
    DWORD attribute;
  } cases[] = {
      {"read-only", FILE_ATTRIBUTE_READONLY},
      {"hidden", FILE_ATTRIBUTE_HIDDEN},
      {"system", FILE_ATTRIBUTE_SYSTEM},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RemoveSettingsFile();
    Bytes earlier = Pattern(584, 7);
    PutFile(path_, earlier);
    std::optional<test_support::WriteProtected> readOnly;
    if (c.attribute == FILE_ATTRIBUTE_READONLY) {
      readOnly.emplace(path_);
      ASSERT_TRUE(readOnly->Refuses());
    } else {
      ASSERT_TRUE(SetFileAttributesA(path_.c_str(), c.attribute));
    }

    EXPECT_EQ(storage_.ReadExclusive(path_, 584), earlier);
    ExpectFileMessage(
        FailureOf<FileCreateError>([&] { storage_.WriteExclusive(path_, Pattern(584, 9)); }),
        "Cannot create file", path_);
    EXPECT_EQ(ContentOf(path_), earlier);
    EXPECT_NE(GetFileAttributesA(path_.c_str()) & c.attribute, 0u);
  }
}

TEST_F(Win32SettingsStorageTest, ADirectoryNamedLikeTheFileIsNotAFile) {
  ASSERT_TRUE(CreateDirectoryA(path_.c_str(), nullptr));
  EXPECT_FALSE(storage_.FileExists(path_));
  ExpectFileMessage(
      FailureOf<FileCreateError>([&] { storage_.WriteExclusive(path_, Pattern(584, 9)); }),
      "Cannot create file", path_);
  EXPECT_NE(GetFileAttributesA(path_.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

}  // namespace
}  // namespace kelmarin::win32
