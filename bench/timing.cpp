#include "timing.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace kelmarin::bench {

double Seconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency;
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const size_t middle = samples.size() / 2;
  if (samples.size() % 2 == 1) return samples[middle];
  return (samples[middle - 1] + samples[middle]) / 2;
}

Comparison CompareTimed(int rounds, const std::function<double()>& ours,
                        const std::function<double()>& bare) {
  std::vector<double> oursSamples;
  std::vector<double> bareSamples;
  for (int round = 0; round < rounds; ++round) {
    // Which side goes first changes every round, so neither always
    // profits from the caches the other one warmed.
    if (round % 2 == 0) {
      oursSamples.push_back(ours());
      bareSamples.push_back(bare());
    } else {
      bareSamples.push_back(bare());
      oursSamples.push_back(ours());
    }
  }
  return Comparison{Median(oursSamples), Median(bareSamples)};
}

Comparison Compare(int rounds, const Side& ours, const Side& bare) {
  const auto timed = [](const Side& side) {
    return [&side] {
      if (side.prepare) side.prepare();
      return Seconds(side.work);
    };
  };
  return CompareTimed(rounds, timed(ours), timed(bare));
}

void Report(const char* name, const Comparison& result, double goal) {
  std::printf("%s: ours %.2f ms, bare %.2f ms, ratio %.3f (goal <= %.2f) %s\n", name,
              result.ours * 1000, result.bare * 1000, result.Ratio(), goal,
              result.Ratio() <= goal ? "met" : "MISSED");
  std::fflush(stdout);
}

}  // namespace kelmarin::bench
