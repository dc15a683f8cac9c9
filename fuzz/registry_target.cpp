// Fuzz target: the input describes the values of the infobase key and the
// failures of the registry while the catalogue reads it.
//
// Input layout, one byte per field unless said otherwise; an input that runs
// out reads as zeros:
//   open      bits 0-1: 0 or 1 the key opens, 2 it is missing, 3 access is
//             denied; bits 2-7 pick the key's handle
//   query     QueryValueSizes fails from this call on (0: the first); 255 never
//   report    bits 0-1: the sizes QueryValueSizes gives, 1 halved, 2 zero,
//             otherwise true; bit 2: a 234 answer also gives the name's length
//   capacity  the list refuses items beyond this many; 255 unlimited
//   failFrom  every index from here on fails; 255 none
//   failCode  which failure those indexes answer
// then values until the input ends, at most kMaxValues:
//   flags     bits 0-2: reads that lengthen the value; bit 3: its name grows
//             too; bit 4: a failure follows
//   failure   [when bit 4] which failure, then the number of reads that fail
//             (255: every read)
//   growth    [when bits 0-2 are not zero] bytes added per read, times 8
//   name, data  each: length (2 bytes, little-endian, modulo kMaxLength),
//             filler, count of literal bytes, the literal bytes; the text is
//             the literal bytes, then the filler up to its length
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "catalogue/catalogue.h"
#include "catalogue/fake_catalogue_window.h"
#include "fuzz_input.h"
#include "fuzz_registry.h"
#include "invariant.h"

namespace kelmarin {
namespace {

constexpr size_t kMaxValues = 64;
constexpr size_t kMaxLength = 1200;
constexpr uint8_t kNever = 255;

// 87 is ERROR_INVALID_PARAMETER, a failure the catalogue has no name for.
constexpr long kFailures[] = {kRegKeyDeleted, kRegAccessDenied, kRegMoreData,
                              kRegNoMoreItems, kRegFileNotFound, 87};

long Failure(uint8_t selector) {
  return kFailures[selector % (sizeof kFailures / sizeof kFailures[0])];
}

Text DecodeText(FuzzInput& input) {
  const size_t length = input.Uint16() % kMaxLength;
  const char filler = static_cast<char>(input.Byte());
  Text text = input.Bytes(input.Byte());
  text.resize(length, filler);
  return text;
}

FuzzValue DecodeValue(FuzzInput& input) {
  FuzzValue value;
  const uint8_t flags = input.Byte();
  value.growingReads = flags & 7;
  value.nameGrows = (flags & 8) != 0;
  if (flags & 16) {
    value.failure = Failure(input.Byte());
    const uint8_t reads = input.Byte();
    value.failingReads = reads == kNever ? -1 : reads;
  }
  if (value.growingReads > 0) value.growth = size_t{input.Byte()} * 8;
  value.name = DecodeText(input);
  value.data = DecodeText(input);
  return value;
}

// Nothing goes wrong while the key is read, bar a value that changes once
// between two reads, as when another program writes it at that moment.
bool Quiet(const FuzzRegistry& registry) {
  if (registry.openResult != kRegSuccess || registry.queryFailsFrom >= 0 ||
      registry.sizeReport != SizeReport::Truthful || registry.failFrom) {
    return false;
  }
  for (const FuzzValue& value : registry.values) {
    if (value.failingReads != 0 || value.growingReads > 1) return false;
  }
  return true;
}

void Run(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  FuzzRegistry registry;
  const uint8_t open = input.Byte();
  if ((open & 3) == 2) registry.openResult = kRegFileNotFound;
  if ((open & 3) == 3) registry.openResult = kRegAccessDenied;
  registry.handle = 0x100 + (open >> 2);
  const uint8_t query = input.Byte();
  registry.queryFailsFrom = query == kNever ? -1 : query;
  const uint8_t report = input.Byte();
  if ((report & 3) == 1) registry.sizeReport = SizeReport::Halved;
  if ((report & 3) == 2) registry.sizeReport = SizeReport::Zero;
  registry.nameCountOnMoreData = (report & 4) != 0;
  FakeCatalogueWindow window;
  const uint8_t capacity = input.Byte();
  if (capacity != kNever) window.capacity = capacity;
  const uint8_t failFrom = input.Byte();
  if (failFrom != kNever) registry.failFrom = failFrom;
  registry.failResult = Failure(input.Byte());
  while (!input.Empty() && registry.values.size() < kMaxValues) {
    registry.values.push_back(DecodeValue(input));
  }
  const bool quiet = Quiet(registry);

  // Left from an earlier load; the new list replaces it.
  InfobasePaths paths{"stale"};
  bool refused = false;
  try {
    LoadCatalogue(registry, window, paths);
  } catch (const ListInsertError&) {
    refused = true;
  }

  if (!registry.opened) {
    FUZZ_REQUIRE(registry.closeCalls == 0 && registry.enumCalls == 0);
    FUZZ_REQUIRE(window.items.empty() && paths.empty() && !refused);
    return;
  }
  FUZZ_REQUIRE(registry.closeCalls == 1);
  FUZZ_REQUIRE(window.items.size() == paths.size());
  FUZZ_REQUIRE(!refused || window.items.size() == window.capacity);
  // Every value read whole becomes one pair, in index order, except the one
  // the full list refused.
  FUZZ_REQUIRE(registry.deliveries.size() == window.items.size() + (refused ? 1 : 0));
  for (size_t i = 0; i < registry.deliveries.size(); ++i) {
    const Delivery& delivered = registry.deliveries[i];
    FUZZ_REQUIRE(delivered.index == i);
    if (i == window.items.size()) break;
    FUZZ_REQUIRE(window.items[i] == delivered.title);
    FUZZ_REQUIRE(paths[i] == delivered.path);
  }
  if (quiet) {
    const size_t listed = std::min(registry.values.size(), window.capacity);
    FUZZ_REQUIRE(window.items.size() == listed);
    FUZZ_REQUIRE(refused == (registry.values.size() > window.capacity));
  }
}

}  // namespace
}  // namespace kelmarin

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kelmarin::Run(data, size);
  return 0;
}
