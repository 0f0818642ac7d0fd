#pragma once
// Random: a small seeded generator (xoshiro256**) whose sequence is the same on every
// platform and compiler, unlike the standard library's distributions.
#include <cstdint>
#include <vector>

namespace refhost {

class Random {
 public:
  // The sequence is fixed by the seed.
  explicit Random(std::uint64_t seed);

  // The next 64 random bits.
  std::uint64_t Next();
  // An integer in [0, bound); bound must be positive.
  std::int64_t Below(std::int64_t bound);
  // An integer in [low, high].
  std::int64_t Between(std::int64_t low, std::int64_t high);
  // True with the given probability (0 to 1).
  bool Chance(double probability);
  // An amount in [low, high] rounded to cents.
  double Money(double low, double high);
  // One element of a non-empty list.
  template <class T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Below(static_cast<std::int64_t>(items.size())))];
  }

 private:
  double Unit();  // in [0, 1)
  std::uint64_t state_[4];
};

// value rounded to cents, halves away from zero.
double RoundCents(double value);

}  // namespace refhost
