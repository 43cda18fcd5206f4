#pragma once
#include <cstdint>

namespace tk {

// Uniform integer draws. Every Random draws from one fast engine
// (xoshiro256**) that the process seeds once from the operating system, so
// making a generator and reseeding it costs nothing: the maze generator does
// both for every direction order it draws.
class Random {
 public:
  Random() = default;

  // Kept for the callers' sake; the shared engine is already seeded and a
  // fresh seed per call would only cost a system call.
  void RandomizeSeed() {}

  // A uniform integer in lo..hi, both included (lo <= hi).
  std::int64_t InRange(std::int64_t lo, std::int64_t hi) {
    const std::uint64_t span = std::uint64_t(hi) - std::uint64_t(lo) + 1;
    return std::int64_t(std::uint64_t(lo) + Bounded(span));
  }

  // Tests only: restart the shared engine from a fixed seed.
  static void SeedForTesting(std::uint64_t seed);

 private:
  static std::uint64_t Next() {
    if (!seeded_) SeedFromSystem();
    const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    return result;
  }

  // Lemire's multiply-and-reject draw from 0..span-1 (span 0 means 2^64).
  static std::uint64_t Bounded(std::uint64_t span) {
    if (span == 0) return Next();
    unsigned __int128 m = static_cast<unsigned __int128>(Next()) * span;
    std::uint64_t low = std::uint64_t(m);
    if (low < span) {
      const std::uint64_t threshold = (0 - span) % span;
      while (low < threshold) {
        m = static_cast<unsigned __int128>(Next()) * span;
        low = std::uint64_t(m);
      }
    }
    return std::uint64_t(m >> 64);
  }

  static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  static void SeedFromSystem();
  static void SeedFrom(std::uint64_t seed);

  static inline std::uint64_t state_[4] = {};
  static inline bool seeded_ = false;
};

}  // namespace tk
