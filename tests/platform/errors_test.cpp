#include "platform/errors.h"

#include <gtest/gtest.h>

namespace kelmarin {
namespace {

TEST(ErrorBoxText, AppendsFullStopOnlyAfterCharactersAboveIt) {
  struct Case {
    Text message;
    Text shown;
  } cases[] = {
      {"Disk full", "Disk full."},
      {"Done.", "Done."},
      {"", ""},
      {"a,", "a,"},
      {"a-", "a-"},
      {"a ", "a "},
      {"(x)", "(x)"},
      {"\"q\"", "\"q\""},
      {"Wow!", "Wow!"},
      {"I/O error 183", "I/O error 183."},
      {"Path:", "Path:."},
      {"Why?", "Why?."},
      {"/", "/."},
      {"Ошибка", "Ошибка."},  // Cyrillic bytes are above 0x7F
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
  }
}

TEST(InOutError, MessageChosenByWindowsCode) {
  struct Case {
    uint32_t code;
    Text message;
  } cases[] = {
      {2, "File not found"},         {3, "Invalid filename"},
      {4, "Too many open files"},    {5, "File access denied"},
      {100, "Read beyond end of file"}, {101, "Disk full"},
      {106, "Invalid numeric input"}, {183, "I/O error 183"},
      {0, "I/O error 0"},            {32, "I/O error 32"},
  };
  for (const auto& c : cases) {
    InOutError error(c.code);
    EXPECT_EQ(error.Message(), c.message);
    EXPECT_EQ(error.Code(), c.code);
  }
}

TEST(FileErrors, QuotePathAndDropTheDescriptionsClosingStop) {
  EXPECT_EQ(FileOpenError("C:\\p\\settings.opt", "Access is denied.\r\n").Message(),
            "Cannot open file \"C:\\p\\settings.opt\". Access is denied");
  EXPECT_EQ(FileCreateError("x", "Sharing violation").Message(),
            "Cannot create file \"x\". Sharing violation");
  EXPECT_EQ(FileWriteError("x", "Disk full.").Message(),
            "Cannot write file \"x\". Disk full");
}

}  // namespace
}  // namespace kelmarin
