#include "ui/toolkit/Random.h"

#include <random>

namespace tk {

namespace {
std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
}  // namespace

void Random::SeedFrom(std::uint64_t seed) {
  for (auto& word : state_) word = SplitMix(seed);
  seeded_ = true;
}

void Random::SeedFromSystem() {
  std::random_device device;
  const std::uint64_t seed = (std::uint64_t(device()) << 32) ^ std::uint64_t(device());
  SeedFrom(seed);
}

void Random::SeedForTesting(std::uint64_t seed) { SeedFrom(seed); }

}  // namespace tk
