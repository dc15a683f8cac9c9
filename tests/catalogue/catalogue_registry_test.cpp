// The catalogue over the real registry. HKEY_CURRENT_USER is redirected into
// a scratch key for the test, so no real user's list is read or written.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/fake_catalogue_window.h"
#include "platform/win32/win32_registry.h"

namespace kelmarin {
namespace {

using Texts = std::vector<Text>;

class CatalogueOverRealRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    scratchPath_ = "Software\\KelmarinTests\\catalogue-" + std::to_string(GetCurrentProcessId()) +
                   "-" + std::to_string(GetTickCount());
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratchPath_.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &scratch_, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, scratch_), ERROR_SUCCESS);
    overridden_ = true;
  }

  void TearDown() override {
    if (overridden_) RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (scratch_ != nullptr) {
      RegCloseKey(scratch_);
      RegDeleteTreeA(HKEY_CURRENT_USER, scratchPath_.c_str());
      // Stays while another run of the test still has its own key in it.
      RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KelmarinTests");
    }
  }

  // Written through the scratch key itself, never through HKEY_CURRENT_USER,
  // so a failed redirection cannot reach the real list.
  void WriteTitles(const std::vector<std::pair<Text, Text>>& values) {
    for (const auto& [path, title] : values) {
      WriteValue(path, REG_SZ, Text(title.c_str(), title.size() + 1));
    }
  }

  void WriteValue(const Text& path, DWORD type, const Text& data) {
    HKEY titles = nullptr;
    ASSERT_EQ(RegCreateKeyExA(scratch_, kTitlesKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &titles, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(titles, path.c_str(), 0, type,
                             reinterpret_cast<const BYTE*>(data.data()), data.size()),
              ERROR_SUCCESS)
        << path;
    RegCloseKey(titles);
  }

  std::string scratchPath_;
  HKEY scratch_ = nullptr;
  bool overridden_ = false;
};

TEST_F(CatalogueOverRealRegistry, ReadsCyrillicAndLongValuesWhole) {
  // Names in sorted order, so that the system's enumeration order is the
  // order written here whether it keeps insertion order or sorts.
  const Text longPath = "C:\\1C\\База4 " + Text(290, 'д') + "\\";
  const Text longTitle = "Очень длинное название " + Text(400, 'ж');
  const std::vector<std::pair<Text, Text>> values = {
      {"C:\\1C\\База1\\", "Бухгалтерия предприятия"},
      {"C:\\1C\\База2\\", "Бухгалтерия предприятия"},
      {"C:\\1C\\База3 Склад\\", ""},
      {longPath, longTitle},
      {"C:\\1C\\База5\\", "Зарплата и кадры"},
  };
  WriteTitles(values);

  win32::Win32Registry registry;
  FakeCatalogueWindow window;
  InfobasePaths paths{"left from before"};
  LoadCatalogue(registry, window, paths);

  Texts titles;
  Texts expectedPaths;
  for (const auto& [path, title] : values) {
    expectedPaths.push_back(path);
    titles.push_back(title);
  }
  EXPECT_EQ(window.items, titles);
  EXPECT_EQ(paths, expectedPaths);
}

// The type of a value is not looked at: its data up to the first zero byte,
// or all of it, is the title, and nothing else gets in.
TEST_F(CatalogueOverRealRegistry, ValuesOfOtherTypesGiveTheirBytesAsTitle) {
  WriteValue("C:\\1C\\A", REG_DWORD, Text("\x01\0\0\0", 4));
  WriteValue("C:\\1C\\B", REG_BINARY, "AB");
  WriteValue("C:\\1C\\C", REG_BINARY, Text(300, 'b'));
  WriteValue("C:\\1C\\D", REG_DWORD, Text("\0\0\0\0", 4));

  win32::Win32Registry registry;
  FakeCatalogueWindow window;
  InfobasePaths paths;
  LoadCatalogue(registry, window, paths);

  EXPECT_EQ(window.items, (Texts{"\x01", "AB", Text(300, 'b'), ""}));
  EXPECT_EQ(paths, (Texts{"C:\\1C\\A", "C:\\1C\\B", "C:\\1C\\C", "C:\\1C\\D"}));
}

TEST_F(CatalogueOverRealRegistry, AThousandInfobasesKeepTheirOrderAndPaths) {
  std::vector<std::pair<Text, Text>> values;
  for (int i = 0; i < 1000; ++i) {
    Text number = std::to_string(1000 + i).substr(1);
    values.push_back({"C:\\1C\\База" + number + "\\", "Организация " + number});
  }
  WriteTitles(values);

  win32::Win32Registry registry;
  FakeCatalogueWindow window;
  InfobasePaths paths;
  LoadCatalogue(registry, window, paths);

  ASSERT_EQ(window.items.size(), 1000u);
  ASSERT_EQ(paths.size(), 1000u);
  for (size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(paths[i], values[i].first);
    EXPECT_EQ(window.items[i], values[i].second);
  }
}

TEST_F(CatalogueOverRealRegistry, MissingKeyGivesEmptyLists) {
  win32::Win32Registry registry;
  FakeCatalogueWindow window;
  InfobasePaths paths{"left from before"};
  LoadCatalogue(registry, window, paths);
  EXPECT_TRUE(window.items.empty());
  EXPECT_TRUE(paths.empty());
}

}  // namespace
}  // namespace kelmarin
