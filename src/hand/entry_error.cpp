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
    case entry_error::tooManyCards:
      return "The hand already has 13 cards ";
    case entry_error::tooFewCards:
      return countOf(state.hand.cardCount, "card");
    case entry_error::tooFewSuits:
      return countOf(state.curSuit + 1, "suit");
    case entry_error::tooManySuits:
      return "The hand already has 4 suits";
    case entry_error::duplicateCard:
      return "Duplicate " + std::string(cardName[state.dupRank]) + " of " +
             std::string(suitName[state.dupSuit]) + " ";
    default:
      return {};
  }
}

}  // namespace bidgauge
