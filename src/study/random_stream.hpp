#pragma once

#include <cstdint>

namespace bidgauge {

// A stream of 64-bit numbers fixed by its seed on every platform and
// compiler: SplitMix64 (Steele, Lea and Flood), whose few lines are its whole
// definition, so another program can reproduce the study's deals and
// resamples. Not for secrets.
class RandomStream {
 public:
  static constexpr std::uint64_t kIncrement = 0x9E3779B97F4A7C15u;

  explicit RandomStream(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    state_ += kIncrement;
    return mix(state_);
  }

  // A number in [0, bound), every value equally likely: draws whose
  // remainder would favour the low values are drawn again. bound > 0.
  std::uint64_t below(std::uint64_t bound) {
    // 2^64 mod bound: the draws under it are the biased ones.
    const std::uint64_t threshold = (0 - bound) % bound;
    for (;;) {
      const std::uint64_t draw = next();
      if (draw >= threshold) return draw % bound;
    }
  }

  // SplitMix64's output function: the number a state gives.
  static constexpr std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }

 private:
  std::uint64_t state_;
};

// Number `index` (from 0) of the stream seeded with `seed`, without drawing
// the ones before it: the seed of the index-th of many streams that must not
// depend on each other's draws.
constexpr std::uint64_t nthOfStream(std::uint64_t seed, std::uint64_t index) {
  return RandomStream::mix(seed + (index + 1) * RandomStream::kIncrement);
}

}  // namespace bidgauge
