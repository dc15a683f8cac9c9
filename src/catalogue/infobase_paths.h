#pragma once
#include <vector>

#include "platform/text.h"

namespace kelmarin {

// Directory paths of the infobases, position i belonging to item i of the
// tick list.
using InfobasePaths = std::vector<Text>;

}  // namespace kelmarin
