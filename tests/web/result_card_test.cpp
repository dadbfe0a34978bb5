#include "web/result_card.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/key.hpp"
#include "hand/parser.hpp"

namespace bidgauge {
namespace {

Hand typedHand(std::string_view text) {
  EntryState state;
  // Upper-cased, as the program hands keys to the entry line.
  for (const char ch : text) state = parseKey(state, Key::character(ch).upperCased().text()).state;
  EXPECT_EQ(state.hand.cardCount, kCardsInHand) << text;
  return state.hand;
}

struct CardCase {
  std::string_view hand;
  std::vector<std::string> cards;   // per suit, as shown
  std::vector<std::string> spoken;  // per suit, then per method
};

class ResultCardTest : public testing::TestWithParam<CardCase> {};

TEST_P(ResultCardTest, ShowsTheSuitsAndSaysThemAsSentences) {
  const CardCase& expected = GetParam();
  const ResultCard card = resultCard(typedHand(expected.hand));
  std::vector<std::string> cards;
  std::vector<std::string> spoken;
  for (const ResultCard::Suit& suit : card.suits) {
    cards.push_back(suit.cards);
    spoken.push_back(suit.spoken);
  }
  for (const ResultCard::Value& value : card.values) spoken.push_back(value.spoken);
  EXPECT_EQ(cards, expected.cards);
  EXPECT_EQ(spoken, expected.spoken);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, ResultCardTest,
    testing::Values(CardCase{"KQ7543 QT2 A J98",
                             {"K Q 7 5 4 3", "Q 10 2", "A", "J 9 8"},
                             {"Spades: King, Queen, 7, 5, 4, 3.", "Hearts: Queen, 10, 2.",
                              "Diamonds: Ace.", "Clubs: Jack, 9, 8.", "KnR 12.35, opens.",
                              "Zar 28, opens.", "Kleinman 11, opens.", "Honor Tricks 2.5, opens."}},
                    CardCase{"AKT9xx - QJxxx T2",
                             {"A K 10 9 x x", "\u2014", "Q J x x x", "10 2"},
                             {"Spades: Ace, King, 10, 9, small, small.", "Hearts: void.",
                              "Diamonds: Queen, Jack, small, small, small.", "Clubs: 10, 2.",
                              "KnR 15.95, opens.", "Zar 29, opens.",
                              "Kleinman 10 plus, does not open.", "Honor Tricks 2.5, opens."}},
                    CardCase{
                        "Kx xxxx xxxx xxx",
                        {"K x", "x x x x", "x x x x", "x x x"},
                        {"Spades: King, small.", "Hearts: small, small, small, small.",
                         "Diamonds: small, small, small, small.", "Clubs: small, small, small.",
                         "KnR 2.60, does not open.", "Zar 14, does not open.",
                         "Kleinman 3 minus, does not open.", "Honor Tricks 0.5, does not open."}}));

TEST(ResultCard, ShowsTheValuesAsTheResultsBoxWithItsMarks) {
  const ResultCard card = resultCard(typedHand("KQ7543 QT2 A J98"));
  std::vector<std::string> shown;
  for (const ResultCard::Value& value : card.values) {
    shown.push_back(value.name + " " + value.shown + (value.opens ? " *" : ""));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"KnR 12.35 *", "Zar 28 *", "Kleinman 11 *",
                                             "Honor Tricks 2\u00bd *"}));
  EXPECT_EQ(card.suits[0].symbol, "\u2660");
  EXPECT_EQ(card.suits[3].symbol, "\u2663");
}

}  // namespace
}  // namespace bidgauge
