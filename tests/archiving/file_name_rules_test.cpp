#include "archiving/file_name_rules.h"

#include <gtest/gtest.h>

namespace kelmarin {
namespace {

TEST(ReservedNameChars, AreExactlyTheTenBytes) {
  const Text reserved = "\"*./:<>?\\|";
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    EXPECT_EQ(IsReservedNameChar(c), reserved.find(c) != Text::npos) << byte;
  }
}

TEST(DotsReplace, TurnsReservedCharactersIntoSpaces) {
  struct Case {
    Text input;
    Text result;
  } cases[] = {
      {"Бухгалтерия 7.7", "Бухгалтерия 7 7"},
      {"|?>\\<:/.*\"", "          "},
      {".", " "},
      {"", ""},
      {"...", "   "},
      {".Торговля.", " Торговля "},
      {"a\\b/c", "a b c"},
      {"Зарплата-2_(ООО 'Ромашка'), ёЁ 09", "Зарплата-2_(ООО 'Ромашка'), ёЁ 09"},
      {Text("\x01\x7F\x80\xFF", 4), Text("\x01\x7F\x80\xFF", 4)},
      {Text("a\0.b", 4), Text("a\0 b", 4)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DotsReplace(c.input), c.result) << c.input;
  }
}

TEST(FilterNameKey, DropsReservedKeysAndPassesTheRest) {
  struct Case {
    char key;
    char passed;
  } cases[] = {
      {'.', '\0'}, {'\\', '\0'}, {'"', '\0'}, {'|', '\0'}, {'*', '\0'},
      {'-', '-'},  {'_', '_'},   {' ', ' '},  {'a', 'a'},  {'7', '7'},
      {"Ж"[0], "Ж"[0]},
      {'\b', '\b'},      // Backspace still deletes
      {'\x16', '\x16'},  // Ctrl+V still pastes
  };
  for (const auto& c : cases) {
    char key = c.key;
    FilterNameKey(key);
    EXPECT_EQ(key, c.passed) << static_cast<int>(static_cast<unsigned char>(c.key));
  }
}

}  // namespace
}  // namespace kelmarin
