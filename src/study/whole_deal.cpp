#include "study/whole_deal.hpp"

#include "hand/card_tables.hpp"

namespace bidgauge {
namespace {

bool everyCardNamed(const Hand& hand) {
  if (hand.cardCount != kCardsInHand) return false;
  for (const std::int16_t spots : hand.spotCount) {
    if (spots != 0) return false;
  }
  return true;
}

void appendHand(std::string& text, const Hand& hand) {
  for (int suit = 0; suit < kSuitCount; ++suit) {
    if (suit > 0) text += '.';
    const int cards = hand.suitCards[static_cast<std::size_t>(suit)];
    for (int rank = 1; rank <= kRankCount; ++rank) {
      if ((cards >> rank) & 1) text += kRankLetters[static_cast<std::size_t>(rank - 1)];
    }
  }
}

}  // namespace

std::string dealString(const WholeDeal& deal) {
  std::string text = "N:";
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (seat > 0) text += ' ';
    appendHand(text, deal.hands[static_cast<std::size_t>(seat)]);
  }
  return text;
}

std::optional<WholeDeal> wholeDealOf(const DealHands& read) {
  if (read.count != kSeatCount || !read.errors.empty()) return std::nullopt;
  WholeDeal deal;
  std::array<bool, kSeatCount> seen{};
  for (const SeatHand& seat : read.seats) {
    const int index = seatIndex(seat.seat);
    if (index < 0 || seen[static_cast<std::size_t>(index)] || !everyCardNamed(seat.hand)) {
      return std::nullopt;
    }
    seen[static_cast<std::size_t>(index)] = true;
    deal.hands[static_cast<std::size_t>(index)] = seat.hand;
  }
  return deal;
}

}  // namespace bidgauge
