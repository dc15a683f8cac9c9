#pragma once
// Finding the programs a benchmark measures in the build tree.
#include "platform/text.h"

namespace kelmarin::bench {

// The folder part of a path, without the closing backslash.
Text ParentOf(const Text& path);

// The Windows path of the named file in the folder of the running program or
// the nearest folder above it that holds one; empty when there is none.
Text FindAbove(const char* name);

}  // namespace kelmarin::bench
