#pragma once

#include <cstdint>
#include <string>

#include "hand/hand.hpp"

namespace bidgauge {

// The rule a key broke, shown by the error bar. The values are the codes the
// messages have always been numbered by.
enum class EntryError : std::int16_t {
  none = 0,
  tooManyCards = 1,
  tooFewCards = 2,
  tooFewSuits = 3,
  tooManySuits = 4,
  duplicateCard = 5,
};

// The hand being typed and what the entry line knows about it.
// The text on the entry row always equals handText.
struct EntryState {
  Hand hand;
  std::int16_t curSuit = 0;  // suit being typed, 0..3
  std::string prevChar;      // last accepted character; empty at the start of a hand
  std::string handText;      // everything accepted so far
  EntryError entryError = EntryError::none;
  std::int16_t dupRank = 0;  // the card refused as a duplicate
  std::int16_t dupSuit = 0;

  bool nothingTyped() const { return handText.empty(); }
  bool complete() const { return hand.cardCount == kCardsInHand && curSuit == kClubs; }

  friend bool operator==(const EntryState&, const EntryState&) = default;
};

// The message for state.entryError, e.g. "The hand has only 7 cards".
std::string errorText(const EntryState& state);

}  // namespace bidgauge
