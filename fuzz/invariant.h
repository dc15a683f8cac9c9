#pragma once
// An invariant that does not hold stops the run at once: libFuzzer keeps the
// input as a crash, and the corpus replay fails.
#include <cstdio>

namespace kelmarin {

[[noreturn]] inline void InvariantViolated(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: invariant violated: %s\n", file, line, condition);
  std::fflush(stderr);
  __builtin_trap();
}

}  // namespace kelmarin

#define FUZZ_REQUIRE(condition) \
  ((condition) ? void(0) : ::kelmarin::InvariantViolated(#condition, __FILE__, __LINE__))
