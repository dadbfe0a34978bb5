#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace bidgauge {

// The rank letters as typed; a rank's index is its 1-based position here.
inline constexpr std::string_view kRankLetters = "AKQJT98765432";

inline constexpr std::array<std::int16_t, 14> rankBit = {0,   2,   4,   8,    16,   32,   64,
                                                         128, 256, 512, 1024, 2048, 4096, 8192};

inline constexpr std::array<std::string_view, 14> cardLabel = {"",  "A", "K", "Q", "J", "10", "9",
                                                               "8", "7", "6", "5", "4", "3",  "2"};

inline constexpr std::array<std::string_view, 14> cardName = {
    "",      "Ace",   "King", "Queen", "Jack", "Ten",   "Nine",
    "Eight", "Seven", "Six",  "Five",  "Four", "Three", "Two"};

inline constexpr std::array<std::string_view, 4> suitName = {"Spades", "Hearts", "Diamonds",
                                                             "Clubs"};

// Code page 437 suit glyphs: spade, heart, diamond, club.
inline constexpr std::array<char, 4> suitSymbol = {'\x06', '\x03', '\x04', '\x05'};

// Rank index of a one-character key (case-sensitive), 0 when it is no rank letter.
constexpr int rankIndexOf(std::string_view key) {
  if (key.size() != 1) return 0;
  const auto pos = kRankLetters.find(key[0]);
  return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

}  // namespace bidgauge
