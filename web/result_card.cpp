#include "web/result_card.hpp"

#include <string_view>

#include "hand/cp437.hpp"
#include "results/result_text.hpp"

namespace bidgauge {
namespace {

constexpr std::array<std::string_view, kSuitCount> kSuitNames = {"Spades", "Hearts", "Diamonds",
                                                                 "Clubs"};
constexpr std::array<std::string_view, kSuitCount> kSuitSymbols = {"\u2660", "\u2665", "\u2666",
                                                                   "\u2663"};

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A card as a screen reader should say it: "K" would be read as a letter.
std::string_view spokenCard(std::string_view card) {
  if (card == "A") return "Ace";
  if (card == "K") return "King";
  if (card == "Q") return "Queen";
  if (card == "J") return "Jack";
  if (card == "x") return "small";
  return card;
}

ResultCard::Suit cardSuit(const Hand& hand, int suit) {
  const auto index = static_cast<std::size_t>(suit);
  ResultCard::Suit shown{
      std::string(kSuitSymbols[index]), {}, std::string(kSuitNames[index]) + ":"};
  if (hand.suitLength[index] == 0) {
    shown.cards = "\u2014";
    shown.spoken += " void.";
    return shown;
  }
  // suitDisplay gives each card followed by a blank.
  const std::string display = suitDisplay(hand, suit);
  std::string_view rest = display;
  for (std::size_t end = rest.find(' '); end != std::string_view::npos; end = rest.find(' ')) {
    const std::string_view card = rest.substr(0, end);
    shown.cards += (shown.cards.empty() ? "" : " ") + std::string(card);
    shown.spoken += (shown.spoken.back() == ':' ? " " : ", ") + std::string(spokenCard(card));
    rest.remove_prefix(end + 1);
  }
  shown.spoken += '.';
  return shown;
}

// "KnR Points:" -> "KnR", "Honor Tricks:" -> "Honor Tricks".
std::string methodName(std::string_view label) {
  label = trimmed(label);
  if (label.ends_with(':')) label.remove_suffix(1);
  if (label.ends_with(" Points")) label.remove_suffix(7);
  return std::string(label);
}

// The value in words a reader says well: "11+" as "11 plus", ".5" as "0.5".
std::string spokenValue(std::string_view asciiText) {
  std::string value(trimmed(asciiText));
  if (value.starts_with('.')) value.insert(0, "0");
  if (value.ends_with('+')) value.replace(value.size() - 1, 1, " plus");
  if (value.ends_with('-') && value.size() > 1) value.replace(value.size() - 1, 1, " minus");
  return value;
}

}  // namespace

ResultCard resultCard(const Hand& hand) {
  ResultCard card;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    card.suits[static_cast<std::size_t>(suit)] = cardSuit(hand, suit);
  }
  const ResultRows shown = computeResults(hand, GlyphSet::full);
  const ResultRows ascii = computeResults(hand, GlyphSet::ascii);
  for (std::size_t i = 0; i < card.values.size(); ++i) {
    ResultCard::Value& value = card.values[i];
    value.name = methodName(shown[i].label);
    value.shown = cp437ToUtf8(trimmed(shown[i].text));
    value.opens = shown[i].opens;
    value.spoken = value.name + " " + spokenValue(ascii[i].text) +
                   (value.opens ? ", opens." : ", does not open.");
  }
  return card;
}

}  // namespace bidgauge
