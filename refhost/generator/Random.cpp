#include "refhost/generator/Random.h"

#include <cmath>

namespace refhost {

namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

Random::Random(std::uint64_t seed) {
  for (auto& word : state_) word = SplitMix(seed);
}

std::uint64_t Random::Next() {
  const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
  const std::uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 45);
  return result;
}

std::int64_t Random::Below(std::int64_t bound) {
  return static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(bound));
}

std::int64_t Random::Between(std::int64_t low, std::int64_t high) {
  return low + Below(high - low + 1);
}

double Random::Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

bool Random::Chance(double probability) { return Unit() < probability; }

double Random::Money(double low, double high) {
  const auto cents = Between(static_cast<std::int64_t>(std::llround(low * 100)),
                             static_cast<std::int64_t>(std::llround(high * 100)));
  return static_cast<double>(cents) / 100.0;
}

double RoundCents(double value) { return std::round(value * 100.0) / 100.0; }

}  // namespace refhost
