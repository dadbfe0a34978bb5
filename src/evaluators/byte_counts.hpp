#pragma once

#include <cstdint>
#include <stdexcept>

namespace bidgauge {

// Four small per-suit counts, one per byte of a word, so that adding two words adds
// all four counts at once. Each suit's count stays below 64, so a hand's four suits
// never carry from one byte into the next.
class ByteCounts {
 public:
  static constexpr int kMaxPerSuit = 63;

  constexpr ByteCounts() = default;
  constexpr ByteCounts(int c0, int c1, int c2, int c3)
      : word_(byte(c0) | byte(c1) << 8 | byte(c2) << 16 | byte(c3) << 24) {}

  constexpr int operator[](int field) const {
    return static_cast<int>(word_ >> (8 * field) & 0xFFU);
  }

  friend constexpr ByteCounts operator+(ByteCounts a, ByteCounts b) {
    a.word_ += b.word_;
    return a;
  }

 private:
  // Throwing makes an out-of-range count in a compile-time table a compile error.
  static constexpr std::uint32_t byte(int count) {
    if (count < 0 || count > kMaxPerSuit) throw std::out_of_range("per-suit count");
    return static_cast<std::uint32_t>(count);
  }

  std::uint32_t word_ = 0;
};

}  // namespace bidgauge
