#include "evaluators/holding.hpp"

#include "hand/card_tables.hpp"

namespace bidgauge {

std::string heldCards(const Holding& holding, unsigned ranks) {
  const std::array<bool, kTopRanks> held = {holding.hasAce,  holding.hasKing, holding.hasQueen,
                                            holding.hasJack, holding.hasTen,  holding.hasNine,
                                            holding.hasEight};
  std::string text;
  for (int i = 0; i < kTopRanks; ++i) {
    if (!held[static_cast<std::size_t>(i)] || (ranks >> i & 1U) == 0) continue;
    if (!text.empty()) text += ' ';
    text += kRankLetters[static_cast<std::size_t>(i)];
  }
  return text;
}

}  // namespace bidgauge
