#pragma once

#include <cstdint>
#include <string>

#include "hand/hand.hpp"

namespace bidgauge {

// Entry error codes, shown by the error bar.
namespace entry_error {
inline constexpr std::int16_t none = 0;
inline constexpr std::int16_t tooManyCards = 1;
inline constexpr std::int16_t tooFewCards = 2;
inline constexpr std::int16_t tooFewSuits = 3;
inline constexpr std::int16_t tooManySuits = 4;
inline constexpr std::int16_t duplicateCard = 5;
}  // namespace entry_error

// The hand being typed and what the entry line knows about it.
// The text on the entry row always equals handText.
struct EntryState {
  Hand hand;
  std::int16_t curSuit = 0;  // suit being typed, 0..3
  std::string prevChar;      // last accepted character; empty at the start of a hand
  std::string handText;      // everything accepted so far
  std::int16_t entryError = entry_error::none;
  std::int16_t dupRank = 0;  // the card refused as a duplicate
  std::int16_t dupSuit = 0;

  bool nothingTyped() const { return handText.empty(); }
  bool complete() const { return hand.cardCount == kCardsInHand && curSuit == kClubs; }

  friend bool operator==(const EntryState&, const EntryState&) = default;
};

// The message for state.entryError, e.g. "The hand has only 7 cards".
std::string errorText(const EntryState& state);

}  // namespace bidgauge
