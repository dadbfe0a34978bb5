#include "batch/hand_entry.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/hand_text.hpp"
#include "support/test_names.hpp"

namespace bidgauge {
namespace {

struct Refusal {
  const char* text;
  const char* error;
};

class EnteredWithError : public ::testing::TestWithParam<Refusal> {};

TEST_P(EnteredWithError, NamesTheFirstProblem) {
  const HandEntry entry = enterHandText(GetParam().text);
  EXPECT_FALSE(entry.complete);
  EXPECT_EQ(entry.error, GetParam().error);
}

// Each case by its text: AKQ_AKQ_AKxK, AK_Tab_Q, AK_U2660_Q, Empty.
std::string refusalName(const ::testing::TestParamInfo<Refusal>& param) {
  return nameFromText(param.param.text);
}

// Every message of the entry line's error table, and each kind of key it refuses.
INSTANTIATE_TEST_SUITE_P(
    Messages, EnteredWithError,
    ::testing::Values(Refusal{"AKQJT98765432 - - x", "The hand already has 13 cards"},
                      Refusal{"AKQJT98765432 - - - ", "The hand already has 13 cards"},
                      Refusal{"akqjxxx", "The hand has only 7 cards"},
                      Refusal{"A", "The hand has only 1 card"},
                      Refusal{"- - - -", "The hand has only 0 cards"},
                      Refusal{"AKQJT98765432", "The hand has only 1 suit"},
                      Refusal{"AKQJT9876 5432 -", "The hand has only 3 suits"},
                      Refusal{"AK QJ T9 87 6", "The hand already has 4 suits"},
                      Refusal{"AKQ AKQ AKxK", "Duplicate King of Diamonds"},
                      Refusal{"x x x 10T", "Duplicate Ten of Clubs"},
                      Refusal{"2x2", "Duplicate Two of Spades"}),
    refusalName);

INSTANTIATE_TEST_SUITE_P(
    RefusedCharacters, EnteredWithError,
    ::testing::Values(
        Refusal{"AKQz", "unexpected character 'z' at position 4"},
        Refusal{"AK QJe", "unexpected character 'e' at position 6"},  // End on the entry line
        Refusal{"h", "unexpected character 'h' at position 1"},       // Help on the entry line
        Refusal{"AK-", "unexpected character '-' at position 3"},     // void mark after a card
        Refusal{"-A", "unexpected character 'A' at position 2"},      // card after a void mark
        Refusal{" AKQ", "unexpected blank at position 1"},            // leading separator
        Refusal{"AK\tQ", "unexpected control character U+0009 at position 3"},
        Refusal{"AK\rQ", "unexpected control character U+000D at position 3"},
        Refusal{"AK\x1BQ", "unexpected control character U+001B at position 3"},
        Refusal{"AK\bQ", "unexpected control character U+0008 at position 3"},
        Refusal{"AK\xE2\x99\xA0Q", "unexpected character '\xE2\x99\xA0' at position 3"},
        Refusal{"AK\xE9Q", "unexpected byte 0xE9 at position 3"},
        Refusal{"AK\xC2\x9BQ", "unexpected control character U+009B at position 3"},
        Refusal{"", "no hand given"}, Refusal{"AKQJ T98 7654 ", "the hand ends with a blank"}),
    refusalName);

TEST(EnteredWithErrorPositions, CountCharactersNotBytes) {
  EXPECT_EQ(enterHandText("\xC3\xA9Z").error, "unexpected character '\xC3\xA9' at position 1");
  const HandEntry afterWide = enterHandText("AK \xE2\x99\xA5Z");
  EXPECT_EQ(afterWide.error, "unexpected character '\xE2\x99\xA5' at position 4");
}

TEST(EnteredHand, TakesTheHelpPageExampleWithItsDoubledSeparators) {
  const HandEntry entry = enterHandText("akt9xx --  qjxxx  t2");
  ASSERT_TRUE(entry.complete) << entry.error;
  EXPECT_EQ(entry.state.handText, "AKT9xx - QJxxx T2");
  EXPECT_EQ(entry.state.hand, handFromText("AKT9xx - QJxxx T2"));
}

TEST(EnteredHand, TakesVoidsAnywhere) {
  for (const char* text :
       {"- AKQJ5 KQJ32 AQ2", "AKQJT98765432 - - -", "AKQJ5 KQJ32 AQ2 -", "-- AKQJ5 - KQJ32A98"}) {
    const HandEntry entry = enterHandText(text);
    EXPECT_TRUE(entry.complete) << text << ": " << entry.error;
    EXPECT_EQ(entry.state.hand.cardCount, 13) << text;
  }
}

TEST(EnteredHand, CanBeTypedFromKeysWithTheirOwnPositions) {
  const std::vector<EntryKey> keys = {{"A", 10}, {"Q", 11}, {"Z", 12}};
  EXPECT_EQ(enterKeys(keys).error, "unexpected character 'Z' at position 12");
  const std::vector<EntryKey> refused = {{"A", 1}, {" ", 2, true}};
  EXPECT_EQ(enterKeys(refused).error, "unexpected blank at position 2");
}

}  // namespace
}  // namespace bidgauge
