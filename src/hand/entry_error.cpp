#include <string>

#include "hand/card_tables.hpp"
#include "hand/entry_state.hpp"

namespace bidgauge {
namespace {

std::string countOf(int count, const char* noun) {
  return "The hand has only " + std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

std::string errorText(const EntryState& state) {
  switch (state.entryError) {
    case EntryError::tooManyCards:
      return "The hand already has 13 cards ";
    case EntryError::tooFewCards:
      return countOf(state.hand.cardCount, "card");
    case EntryError::tooFewSuits:
      return countOf(state.curSuit + 1, "suit");
    case EntryError::tooManySuits:
      return "The hand already has 4 suits";
    case EntryError::duplicateCard:
      return "Duplicate " + std::string(cardName[state.dupRank]) + " of " +
             std::string(suitName[state.dupSuit]) + " ";
    case EntryError::none:
      break;
  }
  return {};
}

}  // namespace bidgauge
