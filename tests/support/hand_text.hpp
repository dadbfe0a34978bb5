#pragma once

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>
#include <string_view>

#include "hand/card_tables.hpp"
#include "hand/hand.hpp"

namespace bidgauge {

// A complete hand from text such as "KQ7543 QT2 A J98" or "AKT9xx - QJxxx T2": the four
// suits in order, single spaces between them, '-' for a void, x for a spot card, T, 1 or 0
// for a ten. Throws std::invalid_argument on anything else.
inline Hand handFromText(std::string_view text) {
  Hand hand;
  int suit = 0;
  const auto fail = [text](const char* why) {
    throw std::invalid_argument(std::string(why) + ": \"" + std::string(text) + "\"");
  };
  for (const char typed : text) {
    const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(typed)));
    if (key == ' ') {
      if (++suit == kSuitCount) fail("more than four suits");
      continue;
    }
    if (key == '-') continue;
    auto& length = hand.suitLength[static_cast<std::size_t>(suit)];
    ++length;
    ++hand.cardCount;
    if (key == 'X') {
      ++hand.spotCount[static_cast<std::size_t>(suit)];
      continue;
    }
    const char rankKey = (key == '1' || key == '0') ? 'T' : key;
    const int rank = rankIndexOf(std::string_view(&rankKey, 1));
    if (rank == 0) fail("not a card");
    auto& cards = hand.suitCards[static_cast<std::size_t>(suit)];
    const auto bit = rankBit[static_cast<std::size_t>(rank)];
    if ((cards & bit) != 0) fail("duplicate card");
    cards = static_cast<std::int16_t>(cards | bit);
  }
  if (suit != kSuitCount - 1 || hand.cardCount != kCardsInHand) fail("not a 13-card hand");
  return hand;
}

// The hand as text, ranks from the Ace down and spot cards last: "AKT9xx - QJxxx T2".
inline std::string handToText(const Hand& hand) {
  std::string text;
  for (std::size_t suit = 0; suit < kSuitCount; ++suit) {
    if (suit != 0) text += ' ';
    if (hand.suitLength[suit] == 0) text += '-';
    for (std::size_t rank = 1; rank <= kRankCount; ++rank) {
      if ((hand.suitCards[suit] & rankBit[rank]) != 0) text += kRankLetters[rank - 1];
    }
    text.append(static_cast<std::size_t>(hand.spotCount[suit]), 'x');
  }
  return text;
}

// `holding` as the spades of a hand whose other suits hold spot cards only, so that
// nothing but the spades scores for its cards. Hearts and diamonds take up to six of
// the rest each and clubs the one or none left over, so the hand always has a suit
// shorter than three and no suit of spot cards longer than six.
inline Hand handWithSpades(std::string_view holding) {
  const int length = holding == "-" ? 0 : static_cast<int>(holding.size());
  int rest = kCardsInHand - length;
  std::string text(holding);
  for (const int most : {6, 6, 1}) {
    const int cards = std::min(rest, most);
    rest -= cards;
    text +=
        ' ' + (cards == 0 ? std::string("-") : std::string(static_cast<std::size_t>(cards), 'x'));
  }
  return handFromText(text);
}

// The same hand with every named card of `suit` turned into a spot card.
inline Hand withSpotsOnly(Hand hand, int suit) {
  const auto s = static_cast<std::size_t>(suit);
  hand.spotCount[s] = hand.suitLength[s];
  hand.suitCards[s] = 0;
  return hand;
}

}  // namespace bidgauge
