#include "hand/parser.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_names.hpp"

namespace bidgauge {
namespace {

struct Typed {
  EntryState state;
  std::vector<KeyAction> actions;
};

// Feeds each character of `keys` as one key; '<' stands for Backspace.
Typed typeKeys(const std::string& keys, EntryState state = {}) {
  Typed typed{std::move(state), {}};
  for (const char ch : keys) {
    const KeyVerdict verdict =
        ch == '<' ? deleteLast(typed.state) : parseKey(typed.state, upperCased(std::string(1, ch)));
    typed.actions.push_back(verdict.action);
    if (verdict.action == KeyAction::accept) typed.state = verdict.state;
    if (verdict.action == KeyAction::error) {
      typed.state = verdict.state;
      typed.state.entryError = EntryError::none;
    }
  }
  return typed;
}

KeyAction lastAction(const std::string& keys) {
  return typeKeys(keys).actions.back();
}

EntryError lastError(const std::string& keys) {
  const Typed before = typeKeys(keys.substr(0, keys.size() - 1));
  return parseKey(before.state, upperCased(keys.substr(keys.size() - 1))).state.entryError;
}

TEST(ParserHand, HelpPageExampleWithDoubledSeparators) {
  const Typed typed = typeKeys("akt9xx --  qjxxx  t2");
  EXPECT_EQ(typed.state.handText, "AKT9xx - QJxxx T2");
  const Hand& hand = typed.state.hand;
  EXPECT_EQ(hand.suitCards[0], 2 + 4 + 32 + 64);
  EXPECT_EQ(hand.spotCount[0], 2);
  EXPECT_EQ(hand.suitLength[1], 0);
  EXPECT_EQ(hand.suitCards[2], 8 + 16);
  EXPECT_EQ(hand.spotCount[2], 3);
  EXPECT_EQ(hand.suitCards[3], 32 + 8192);
  EXPECT_EQ(hand.cardCount, 13);
  EXPECT_EQ(parseKey(typed.state, "\r").action, KeyAction::complete);
}

TEST(ParserHand, TensTypedAsOneOrZeroEchoAsT) {
  const Typed typed = typeKeys("KA09xx");
  EXPECT_EQ(typed.state.handText, "KAT9xx");
  EXPECT_EQ(typed.state.hand, typeKeys("AKT9xx").state.hand);
  EXPECT_EQ(parseKey(EntryState{}, "1").echo, "T");
}

TEST(ParserHand, SuitTablesFromTypedText) {
  struct Case {
    const char* keys;
    int16_t cards;
    int16_t spots;
    int16_t length;
  };
  for (const Case& c : {Case{"xxx", 0, 3, 3}, Case{"AKx", 6, 1, 3}, Case{"T98", 224, 0, 3},
                        Case{"AKQJT98765432", 16382, 0, 13}}) {
    const Hand hand = typeKeys(c.keys).state.hand;
    EXPECT_EQ(hand.suitCards[0], c.cards) << c.keys;
    EXPECT_EQ(hand.spotCount[0], c.spots) << c.keys;
    EXPECT_EQ(hand.suitLength[0], c.length) << c.keys;
  }
}

TEST(ParserHand, ThirteenSpadesWithThreeVoidsCompletes) {
  const Typed typed = typeKeys("AKQJT98765432 - - -");
  EXPECT_EQ(typed.state.curSuit, 3);
  EXPECT_EQ(parseKey(typed.state, "\r").action, KeyAction::complete);
}

TEST(ParserRefusals, KeysThatBeep) {
  for (const char* keys : {"\r", " ", "A \r", "A-", "-A", "Z", "A?"}) {
    EXPECT_EQ(lastAction(keys), KeyAction::refuse) << keys;
  }
  EXPECT_EQ(parseKey(EntryState{}, std::string{'\0', 59}).action, KeyAction::refuse);
}

TEST(ParserRefusals, EnterRightAfterASeparatorBeeps) {
  EXPECT_EQ(lastAction("- - - \r"), KeyAction::refuse);
}

TEST(ParserRefusals, KeysIgnoredSilently) {
  EXPECT_EQ(lastAction("A  "), KeyAction::ignore);
  EXPECT_EQ(lastAction("--"), KeyAction::ignore);
}

TEST(ParserRefusals, HyphenFirstIsASpadeVoid) {
  EXPECT_EQ(lastAction("-"), KeyAction::accept);
}

struct ErrorCase {
  const char* keys;
  EntryError error;
};

class ParserErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(ParserErrors, SetsTheErrorAndKeepsTheHand) {
  const ErrorCase& c = GetParam();
  EXPECT_EQ(lastError(c.keys), c.error) << c.keys;
  const std::string before(c.keys, std::char_traits<char>::length(c.keys) - 1);
  const Typed typed = typeKeys(c.keys);
  EXPECT_EQ(typed.state.hand, typeKeys(before).state.hand);
  EXPECT_EQ(typed.state.handText, typeKeys(before).state.handText);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParserErrors,
                         testing::Values(ErrorCase{"A\r", EntryError::tooFewCards},
                                         ErrorCase{"- - - -\r", EntryError::tooFewCards},
                                         ErrorCase{"AKQJT98765432\r", EntryError::tooFewSuits},
                                         ErrorCase{"AKQJT98765 432\r", EntryError::tooFewSuits},
                                         ErrorCase{"A K Q J ", EntryError::tooManySuits},
                                         ErrorCase{"AKQJT9876 5 4 32 ", EntryError::tooManyCards},
                                         ErrorCase{"AKQJT98765 4 3 2A", EntryError::tooManyCards},
                                         ErrorCase{"AKQJT98765 4 3 2Z", EntryError::tooManyCards},
                                         ErrorCase{"AKQJT98765432x", EntryError::tooManyCards},
                                         ErrorCase{"AA", EntryError::duplicateCard},
                                         ErrorCase{"10", EntryError::duplicateCard},
                                         ErrorCase{"x 1T", EntryError::duplicateCard}),
                         [](const testing::TestParamInfo<ErrorCase>& param) {
                           return nameFromText(param.param.keys);
                         });

TEST(ParserErrors, ThirteenCardsThenHyphenStillBeeps) {
  EXPECT_EQ(lastAction("AKQJT98765432 -A"), KeyAction::refuse);
}

TEST(ParserErrors, DuplicateNamesTheCard) {
  const Typed typed = typeKeys("x Kx");
  const KeyVerdict verdict = parseKey(typed.state, "K");
  EXPECT_EQ(verdict.state.dupRank, 2);
  EXPECT_EQ(verdict.state.dupSuit, 1);
}

TEST(ParserBackspace, UndoesEachKindOfCharacter) {
  EXPECT_EQ(typeKeys("AK<<").state.hand, Hand{});
  const Typed spaced = typeKeys("A K<<<");
  EXPECT_EQ(spaced.state.hand, Hand{});
  EXPECT_EQ(spaced.state.curSuit, 0);
  EXPECT_EQ(spaced.state.handText, "");
  EXPECT_EQ(typeKeys("x<").state.hand.spotCount[0], 0);
  EXPECT_EQ(typeKeys("1<").state.hand.suitCards[0], 0);
}

TEST(ParserBackspace, RestoresTheStateBeforeTheKey) {
  const EntryState before = typeKeys("AKx Q").state;
  for (const char* key : {"X", "J", " ", "1"}) {
    const KeyVerdict typed = parseKey(before, key);
    ASSERT_EQ(typed.action, KeyAction::accept) << key;
    EXPECT_EQ(deleteLast(typed.state).state, before) << key;
  }
}

TEST(ParserBackspace, OnAnEmptyLineBeeps) {
  EXPECT_EQ(deleteLast(EntryState{}).action, KeyAction::refuse);
  EXPECT_EQ(lastAction("A<<"), KeyAction::refuse);
}

TEST(ParserBackspace, AfterDeletingAVoidMarkACardIsAccepted) {
  EXPECT_EQ(lastAction("-<A"), KeyAction::accept);
  EXPECT_EQ(lastAction("A<-"), KeyAction::accept);
}

TEST(ParserInvariants, LengthsMatchBitsAndSpots) {
  const Typed typed = typeKeys("AKxx< QTx9 -< 2x J");
  const Hand& hand = typed.state.hand;
  int total = 0;
  for (int s = 0; s < kSuitCount; ++s) {
    EXPECT_EQ(hand.suitLength[s],
              __builtin_popcount(static_cast<unsigned>(hand.suitCards[s])) + hand.spotCount[s]);
    total += hand.suitLength[s];
  }
  EXPECT_EQ(hand.cardCount, total);
}

struct MessageCase {
  const char* keys;
  const char* message;
};

class ErrorMessages : public testing::TestWithParam<MessageCase> {};

TEST_P(ErrorMessages, ReadExactly) {
  const MessageCase& c = GetParam();
  const std::string keys = c.keys;
  const Typed before = typeKeys(keys.substr(0, keys.size() - 1));
  const KeyVerdict verdict = parseKey(before.state, upperCased(keys.substr(keys.size() - 1)));
  ASSERT_EQ(verdict.action, KeyAction::error);
  EXPECT_EQ(errorText(verdict.state), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorMessages,
    testing::Values(MessageCase{"A\r", "The hand has only 1 card"},
                    MessageCase{"AKQJ987\r", "The hand has only 7 cards"},
                    MessageCase{"- - - -\r", "The hand has only 0 cards"},
                    MessageCase{"AKQJT98765432\r", "The hand has only 1 suit"},
                    MessageCase{"AKQJT98765 4 32\r", "The hand has only 3 suits"},
                    MessageCase{"A K Q J ", "The hand already has 4 suits"},
                    MessageCase{"AKQJT98765 4 3 2A", "The hand already has 13 cards "},
                    MessageCase{"AA", "Duplicate Ace of Spades "},
                    MessageCase{"- - - 22", "Duplicate Two of Clubs "},
                    MessageCase{"x 1T", "Duplicate Ten of Hearts "},
                    MessageCase{"x Kk", "Duplicate King of Hearts "}),
    [](const testing::TestParamInfo<MessageCase>& param) {
      return nameFromText(param.param.keys);
    });

}  // namespace
}  // namespace bidgauge
