#pragma once
// Reads a fuzz input front to back. An input that runs out reads as zero
// bytes, so every input decodes into something.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/text.h"

namespace kelmarin {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), left_(size) {}

  bool Empty() const { return left_ == 0; }

  uint8_t Byte() {
    if (left_ == 0) return 0;
    --left_;
    return *data_++;
  }

  uint16_t Uint16() {
    const uint8_t low = Byte();
    return static_cast<uint16_t>(low | Byte() << 8);
  }

  // At most `count` bytes: fewer when the input ends first.
  Text Bytes(size_t count) {
    count = std::min(count, left_);
    Text bytes(reinterpret_cast<const char*>(data_), count);
    data_ += count;
    left_ -= count;
    return bytes;
  }

 private:
  const uint8_t* data_;
  size_t left_;
};

}  // namespace kelmarin
