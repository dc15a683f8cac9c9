#include "archiving/trim.h"

#include <gtest/gtest.h>

namespace kelmarin {
namespace {

TEST(Trim, RemovesEveryByteUpToSpaceFromBothEnds) {
  struct Case {
    Text input;
    Text result;
  } cases[] = {
      {" D:\\Backup ", "D:\\Backup"},
      {"\t\r\n srv. \x01", "srv."},
      {"   ", ""},
      {"", ""},
      {Text("\0x\0", 3), "x"},
      {"a  b", "a  b"},
      {"Архив", "Архив"},
      // 0xA0 (no-break space in 1251) and other high bytes are not blanks.
      {"\xA0я\xFF", "\xA0я\xFF"},
      {"\x7F", "\x7F"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Trim(c.input), c.result) << c.input;
  }
}

}  // namespace
}  // namespace kelmarin
