#pragma once

#include <cstdint>

namespace bidgauge {

// A stream of 64-bit numbers fixed by its seed on every platform and
// compiler: SplitMix64 (Steele, Lea and Flood), whose few lines are its whole
// definition, so another program can reproduce the study's deals and
// resamples. Not for secrets.
class RandomStream {
 public:
  explicit RandomStream(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    state_ += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
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

 private:
  std::uint64_t state_;
};

}  // namespace bidgauge
