#include "timing.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>

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

std::vector<double> MedianInTurns(int rounds,
                                  const std::vector<std::function<double()>>& sides) {
  const size_t count = sides.size();
  std::vector<std::vector<double>> samples(count);
  for (int round = 0; round < rounds; ++round) {
    // Which side goes first changes every round, so none always profits
    // from the caches another one warmed.
    for (size_t turn = 0; turn < count; ++turn) {
      const size_t side = (static_cast<size_t>(round) + turn) % count;
      samples[side].push_back(sides[side]());
    }
  }
  std::vector<double> medians;
  for (std::vector<double>& sideSamples : samples) medians.push_back(Median(std::move(sideSamples)));
  return medians;
}

Comparison CompareTimed(int rounds, const std::function<double()>& ours,
                        const std::function<double()>& bare) {
  const std::vector<double> medians = MedianInTurns(rounds, {ours, bare});
  return Comparison{medians[0], medians[1]};
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
