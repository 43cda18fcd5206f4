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

  // For a tight loop: takes the shared engine's state into a local copy,
  // where it can stay in registers, and hands it back when destroyed. No other
  // Random may draw while a Burst is alive.
  class Burst {
   public:
    Burst() {
      if (!seeded_) SeedFromSystem();
      for (int i = 0; i < 4; ++i) s_[i] = state_[i];
    }
    ~Burst() {
      for (int i = 0; i < 4; ++i) state_[i] = s_[i];
    }
    Burst(const Burst&) = delete;
    Burst& operator=(const Burst&) = delete;

    std::int64_t InRange(std::int64_t lo, std::int64_t hi) {
      const std::uint64_t span = std::uint64_t(hi) - std::uint64_t(lo) + 1;
      if (span != 0 && span <= 0xFFFFFFFFu) return std::int64_t(std::uint64_t(lo) + Bounded32(std::uint32_t(span)));
      return std::int64_t(std::uint64_t(lo) + BoundedWith(s_, span));
    }

   private:
    // Small spans take 32 random bits each, two draws to one engine step.
    std::uint32_t Next32() {
      if (!haveHalf_) {
        const std::uint64_t word = NextWith(s_);
        half_ = std::uint32_t(word >> 32);
        haveHalf_ = true;
        return std::uint32_t(word);
      }
      haveHalf_ = false;
      return half_;
    }
    std::uint32_t Bounded32(std::uint32_t span) {
      std::uint64_t m = std::uint64_t(Next32()) * span;
      std::uint32_t low = std::uint32_t(m);
      if (low < span) {
        const std::uint32_t threshold = (0u - span) % span;
        while (low < threshold) {
          m = std::uint64_t(Next32()) * span;
          low = std::uint32_t(m);
        }
      }
      return std::uint32_t(m >> 32);
    }

    std::uint64_t s_[4];
    std::uint32_t half_ = 0;
    bool haveHalf_ = false;
  };

 private:
  static std::uint64_t NextWith(std::uint64_t (&s)[4]) {
    const std::uint64_t result = Rotl(s[1] * 5, 7) * 9;
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = Rotl(s[3], 45);
    return result;
  }

  // Lemire's multiply-and-reject draw from 0..span-1 (span 0 means 2^64).
  static std::uint64_t BoundedWith(std::uint64_t (&s)[4], std::uint64_t span) {
    if (span == 0) return NextWith(s);
    unsigned __int128 m = static_cast<unsigned __int128>(NextWith(s)) * span;
    std::uint64_t low = std::uint64_t(m);
    if (low < span) {
      const std::uint64_t threshold = (0 - span) % span;
      while (low < threshold) {
        m = static_cast<unsigned __int128>(NextWith(s)) * span;
        low = std::uint64_t(m);
      }
    }
    return std::uint64_t(m >> 64);
  }

  static std::uint64_t Bounded(std::uint64_t span) {
    if (!seeded_) SeedFromSystem();
    return BoundedWith(state_, span);
  }

  static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  static void SeedFromSystem();
  static void SeedFrom(std::uint64_t seed);

  static inline std::uint64_t state_[4] = {};
  static inline bool seeded_ = false;
};

}  // namespace tk
