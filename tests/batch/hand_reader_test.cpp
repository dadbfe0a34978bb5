#include "batch/hand_reader.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "batch/hand_line.hpp"
#include "batch/row_format.hpp"
#include "support/hand_text.hpp"
#include "support/random_hands.hpp"
#include "support/test_names.hpp"

namespace bidgauge {
namespace {

TEST(ReadOneHand, TakesEveryFormOfOneHand) {
  const Hand expected = handFromText("AKT98 Q72 KJ4 32");
  for (const char* text :
       {"AKT98 Q72 KJ4 32", "  AK1098 Q72 KJ4 32\r", "ak1098.q72.kj4.32", "AKT98\tQ72 KJ4\t32",
        "S:AKT98 H:Q72 D:KJ4 C:32", "H:Q72 C:32 S:AK1098 D:KJ4", "SAKT98HQ72DKJ4C32",
        "\xE2\x99\xA0"
        "AKT98 \xE2\x99\xA5Q72 \xE2\x99\xA6KJ4 \xE2\x99\xA3"
        "32",
        "\xE2\x99\xA4 AKT98 \xE2\x99\xA1 Q72 \xE2\x99\xA2 KJ4 \xE2\x99\xA7 32"}) {
    const HandReading reading = readOneHand(text);
    ASSERT_TRUE(reading.hand) << text << ": " << reading.error;
    EXPECT_EQ(*reading.hand, expected) << text;
    EXPECT_EQ(reading.position, 0);
  }
}

TEST(ReadOneHand, ASuitLeftOutOfALabelledHandIsAVoid) {
  const HandReading reading = readOneHand("S:AKQJT98765 D:432");
  ASSERT_TRUE(reading.hand) << reading.error;
  EXPECT_EQ(*reading.hand, handFromText("AKQJT98765 - 432 -"));
}

struct BadHand {
  const char* text;
  const char* error;
  int position;
};

class ReadOneHandError : public ::testing::TestWithParam<BadHand> {};

TEST_P(ReadOneHandError, SaysWhyAndWhere) {
  const HandReading reading = readOneHand(GetParam().text);
  EXPECT_FALSE(reading.hand);
  EXPECT_EQ(reading.error, GetParam().error);
  EXPECT_EQ(reading.position, GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadOneHandError,
    ::testing::Values(BadHand{"AKQ", "The hand has only 3 cards", 0},
                      BadHand{"AK10Z", "unexpected character 'Z' at position 5", 5},
                      BadHand{"  AKQZ", "unexpected character 'Z' at position 6", 6},
                      BadHand{"AKT1098 Q72 KJ 32", "Duplicate Ten of Spades", 4},
                      BadHand{"S:AK H:Q S:2", "the Spades are given twice, at position 10", 10},
                      BadHand{"S:AK H:Q7 Z", "unexpected character 'Z' at position 11", 11},
                      BadHand{"N:AKQJ.T98.765.432 - - -", "unexpected character 'N' at position 1",
                              1},
                      BadHand{"", "no hand given", 0}),
    [](const ::testing::TestParamInfo<BadHand>& param) { return nameFromText(param.param.text); });

// What the reader makes of a line that is no single hand.
std::string errorsOf(std::string_view line) {
  const LineHands hands = readHandsOfLine(line, 1);
  std::string errors;
  for (const std::string& error : hands.deal.errors) errors += error + ";";
  return errors + std::to_string(hands.deal.count);
}

TEST(ReadHandsOfLine, MalformedDealsSayWhy) {
  EXPECT_EQ(errorsOf("N:AKQJ.T98.765.432 - -"), "malformed deal: 3 hands instead of 4;0");
  EXPECT_EQ(errorsOf("n AKQJ.T98.765.432 e T98.765.432.AKQ"),
            "seat E: The hand has only 12 cards;1");
}

// Every card missing from a full deal is named, up to five; beyond, counted.
TEST(ReadHandsOfLine, AFullDealNamesTheCardsNoHandHolds) {
  const std::string three = "N:AKQJ.T98.765.432 T98.765.432.AKQJ 765.432.AKQJ.T98 ";
  EXPECT_EQ(errorsOf(three + "432.AKQJ.T98.7"),
            "seat W: The hand has only 11 cards;the Six of Clubs and the Five of Clubs are in "
            "none of N, E, S and W;0");
  EXPECT_EQ(errorsOf(three + "432.AKQJ.9.7"),
            "seat W: The hand has only 9 cards;the Ten of Diamonds, the Eight of Diamonds, the Six "
            "of Clubs and the Five of Clubs are in none of N, E, S and W;0");
  EXPECT_EQ(
      errorsOf(three + "432.AKQJ.9."),
      "seat W: The hand has only 8 cards;the Ten of Diamonds, the Eight of Diamonds, the "
      "Seven of Clubs, the Six of Clubs and the Five of Clubs are in none of N, E, S and W;0");
  EXPECT_EQ(errorsOf(three + "..."),
            "seat W: The hand has only 0 cards;the Four of Spades, the Three of "
            "Spades, the Two of Spades, the Ace of Hearts and 9 more cards are in none of N, E, S "
            "and W;0");
  // A card in two hands comes first: it may be why another is missing.
  EXPECT_EQ(errorsOf(three + "AKQ.AKQJ.T98.765"), "the Ace of Spades is in both N and W;0");
}

}  // namespace
}  // namespace bidgauge
