#pragma once
// Timing for the benchmarks: each side of a comparison is measured several
// times, the two sides taking turns, so a slow spell of the machine (or of
// Wine) falls on both; the medians are compared.
#include <functional>
#include <vector>

namespace kelmarin::bench {

// Seconds taken by one call of work.
double Seconds(const std::function<void()>& work);

double Median(std::vector<double> samples);

struct Comparison {
  double ours = 0;   // median seconds of our code
  double bare = 0;   // median seconds of the bare baseline
  double Ratio() const { return bare > 0 ? ours / bare : 0; }
};

// One side of a comparison: `prepare` (may be empty) runs before every
// timed call of `work`, outside the timing.
struct Side {
  std::function<void()> prepare;
  std::function<void()> work;
};

// Runs ours and bare `rounds` times each, alternating, and returns the
// medians.
Comparison Compare(int rounds, const Side& ours, const Side& bare);

// The same for sides that time themselves and return seconds, for work of
// which only a part counts.
Comparison CompareTimed(int rounds, const std::function<double()>& ours,
                        const std::function<double()>& bare);

// Runs every side `rounds` times, each round in another order, and returns
// each side's median seconds in the order given. For comparisons of more
// than two sides; the sides time themselves.
std::vector<double> MedianInTurns(int rounds,
                                  const std::vector<std::function<double()>>& sides);

// Prints one comparison as "name: ours X ms, bare Y ms, ratio R (goal <= G)"
// with a verdict; never fails, the figures are what matters.
void Report(const char* name, const Comparison& result, double goal);

}  // namespace kelmarin::bench
