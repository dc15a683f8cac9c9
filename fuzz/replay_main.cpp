// Runs a fuzz target over saved inputs without libFuzzer, so that the normal
// sanitizer build replays the corpus on every test run. Arguments are files
// or folders; a folder contributes every regular file in it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsFrom(const fs::path& argument) {
  std::vector<fs::path> inputs;
  if (fs::is_directory(argument)) {
    for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
  } else if (fs::is_regular_file(argument)) {
    inputs.push_back(argument);
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::vector<fs::path> inputs = InputsFrom(argv[i]);
    if (inputs.empty()) {
      std::fprintf(stderr, "no inputs in %s\n", argv[i]);
      return 1;
    }
    for (const fs::path& input : inputs) {
      std::ifstream file(input, std::ios::binary);
      if (!file) {
        std::fprintf(stderr, "cannot read %s\n", input.c_str());
        return 1;
      }
      // Held in a block of exactly the input's size, so that ASan sees a
      // read past its end.
      const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                       std::istreambuf_iterator<char>());
      // Printed before the run, so that a trap names the input that caused it.
      std::fprintf(stderr, "%s (%zu bytes)\n", input.c_str(), bytes.size());
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  if (replayed == 0) {
    std::fprintf(stderr, "usage: %s <file or folder>...\n", argv[0]);
    return 1;
  }
  std::printf("replayed %zu inputs\n", replayed);
  return 0;
}
