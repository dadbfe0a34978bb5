#pragma once

#include <array>
#include <string>

#include "hand/hand.hpp"

namespace bidgauge {

// The hand last evaluated, as the page's result card shows it in large type
// below the screen, and as sentences for screen readers, which cannot make
// sense of the screen's box characters and suit glyphs. Text is UTF-8.
struct ResultCard {
  struct Suit {
    std::string symbol;  // "♠"
    std::string cards;   // "K Q 7 5 4 3", "10 x x", "—" for a void
    std::string spoken;  // "Spades: King, Queen, 7, 5, 4, 3."
    friend bool operator==(const Suit&, const Suit&) = default;
  };
  struct Value {
    std::string name;    // "KnR"
    std::string shown;   // "12.35", "11+", "2½"
    bool opens = false;  // the screen's opening mark
    std::string spoken;  // "KnR 12.35, opens."
    friend bool operator==(const Value&, const Value&) = default;
  };

  std::array<Suit, kSuitCount> suits;
  std::array<Value, 4> values;
  friend bool operator==(const ResultCard&, const ResultCard&) = default;
};

// The card for an evaluated hand: its suits, then KnR, Zar, Kleinman and
// Culbertson's honor tricks, the values as the results box shows them.
ResultCard resultCard(const Hand& hand);

}  // namespace bidgauge
