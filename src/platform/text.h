#pragma once
// All texts of the program are single-byte code page 1251 strings, as the
// controls, the registry and the command lines deliver them.
#include <string>

namespace kelmarin {
using Text = std::string;
}
