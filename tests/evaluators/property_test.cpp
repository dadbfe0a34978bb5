// Properties of the four valuations over many random hands, and a comparison with
// literal reference versions of the rules, which catches a wrong table entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <optional>
#include <string>

#include "evaluators/breakdown.hpp"
#include "evaluators/evaluation.hpp"
#include "hand/card_tables.hpp"
#include "reference_evaluators.hpp"
#include "support/hand_text.hpp"
#include "support/random_hands.hpp"
#include "term_units.hpp"

namespace bidgauge {
namespace {

// The values are checked on 200,000 hands; explanations, which build text, on the
// first 50,000 of them to keep the sanitizer build quick.
constexpr int kRandomHands = 200'000;
constexpr int kExplainedHands = 50'000;
constexpr std::uint32_t kSeed = 20240607;

// Runs `check` on the first `count` hands of the fixed random set; stops at the
// first failing hand.
template <class Check>
void forRandomHands(int count, Check check) {
  RandomHands hands(kSeed);
  for (int i = 0; i < count; ++i) {
    const Hand hand = hands.next();
    SCOPED_TRACE(handToText(hand));
    check(hand, hands);
    if (::testing::Test::HasFailure()) return;
  }
}

void expectMatchesReference(const Hand& hand) {
  const Evaluation fast = evaluateAll(hand);
  const ReferenceKnr knr = referenceKnR(hand);
  EXPECT_EQ(fast.knr.hundredths, std::lround(knr.knrPoints * 100));
  EXPECT_EQ(fast.knr.opens, knr.opens == 1);
  const ReferenceZar zar = referenceZar(hand);
  EXPECT_EQ(static_cast<float>(fast.zar.points), zar.zarPoints);
  EXPECT_EQ(fast.zar.opens, zar.opens == 1);
  const ReferenceKleinman kleinman = referenceKleinman(hand);
  EXPECT_EQ(fast.kleinman.points, kleinman.kleinmanPoints);
  EXPECT_EQ(fast.kleinman.quality, kleinman.kleinmanQuality);
  EXPECT_EQ(fast.kleinman.opens, kleinman.opens == 1);
  const ReferenceCulbertson culbertson = referenceCulbertson(hand);
  EXPECT_EQ(static_cast<float>(fast.culbertson.halfTricks) / 2, culbertson.honorTricks);
  EXPECT_EQ(fast.culbertson.opens, culbertson.opens == 1);
}

TEST(EvaluatorProperties, MatchReferenceOnRandomHands) {
  forRandomHands(kRandomHands,
                 [](const Hand& hand, RandomHands&) { expectMatchesReference(hand); });
}

// Seven down to Two are the ranks no rule looks at: rank indices 8 to 13.
constexpr int kFirstLowRank = 8;
// Sets of the ranks the rules look at, Ace down to Eight.
constexpr unsigned kTopRankSets = 1U << 7;

Hand withSuitsPermuted(const Hand& hand, const std::array<int, kSuitCount>& order) {
  Hand permuted = hand;
  for (std::size_t i = 0; i < kSuitCount; ++i) {
    const auto from = static_cast<std::size_t>(order[i]);
    permuted.suitLength[i] = hand.suitLength[from];
    permuted.suitCards[i] = hand.suitCards[from];
    permuted.spotCount[i] = hand.spotCount[from];
  }
  return permuted;
}

// `length` cards of spades holding `top` (bit 0 Ace ... bit 6 Eight) and below that
// spot cards, or Seven downwards with `lowRanks`, beside suits of spot cards in which
// hearts hold the card `companion` too (none when 0 or when hearts are too short).
std::optional<Hand> holdingHand(int length, unsigned top, bool lowRanks, std::int16_t companion) {
  Hand hand =
      handWithSpades(length == 0 ? "-" : std::string(static_cast<std::size_t>(length), 'x'));
  auto& spades = hand.suitCards[kSpades];
  spades = static_cast<std::int16_t>(top << 1);
  hand.spotCount[kSpades] = static_cast<std::int16_t>(length - std::popcount(top));
  for (int low = 0; lowRanks && low < 6 && hand.spotCount[kSpades] > 0; ++low) {
    spades =
        static_cast<std::int16_t>(spades | rankBit[static_cast<std::size_t>(kFirstLowRank + low)]);
    --hand.spotCount[kSpades];
  }
  if (companion != 0) {
    if (hand.suitLength[kHearts] < 2) return std::nullopt;
    hand.suitCards[kHearts] = companion;
    --hand.spotCount[kHearts];
  }
  return hand;
}

// Every holding of the seven top ranks in every length, in each suit position. A Jack
// or a Queen beside it shows a single plus-value or a Kx that would otherwise be lost.
TEST(EvaluatorProperties, MatchReferenceForEveryHolding) {
  for (int length = 0; length <= kRankCount; ++length) {
    for (unsigned top = 0; top < kTopRankSets; ++top) {
      if (std::popcount(top) > length) continue;
      for (const bool lowRanks : {false, true}) {
        for (const std::int16_t companion : {std::int16_t{0}, card::jack, card::queen}) {
          const auto base = holdingHand(length, top, lowRanks, companion);
          for (std::size_t suit = 0; base && suit < kSuitCount; ++suit) {
            std::array<int, kSuitCount> order = {0, 1, 2, 3};
            std::swap(order[0], order[suit]);
            const Hand hand = withSuitsPermuted(*base, order);
            SCOPED_TRACE(handToText(hand));
            expectMatchesReference(hand);
            if (HasFailure()) return;
          }
        }
      }
    }
  }
}

TEST(EvaluatorProperties, ValuesInRangeAndOpeningAtThresholds) {
  forRandomHands(kRandomHands, [](const Hand& hand, RandomHands&) {
    const Evaluation e = evaluateAll(hand);
    EXPECT_GE(e.knr.hundredths, -50);
    EXPECT_LE(e.knr.hundredths, 6000);
    EXPECT_EQ(e.knr.hundredths % 5, 0);
    EXPECT_EQ(e.knr.opens, e.knr.hundredths >= 1200);
    EXPECT_GE(e.zar.points, 4);
    EXPECT_LE(e.zar.points, 80);
    EXPECT_EQ(e.zar.opens, e.zar.points >= 26);
    EXPECT_GE(e.kleinman.points, 0);
    EXPECT_LE(e.kleinman.points, 50);
    EXPECT_TRUE(e.kleinman.quality >= -1 && e.kleinman.quality <= 1);
    EXPECT_EQ(e.kleinman.opens, e.kleinman.points >= 11);
    EXPECT_GE(e.culbertson.halfTricks, 0);
    EXPECT_LE(e.culbertson.halfTricks, 18);
    EXPECT_EQ(e.culbertson.opens, e.culbertson.halfTricks >= 5);
  });
}

// Terms are well formed, never zero, listed suit by suit with the whole hand last;
// returns their sum in units.
int checkedSum(const Breakdown& breakdown, int unitsPerPoint) {
  int lastSuit = 0;
  int sum = 0;
  for (const auto& term : breakdown) {
    const auto units = termUnits(term.value, unitsPerPoint);
    const int order = term.suit == kWholeHand ? kSuitCount : term.suit;
    if (term.reason.empty() || !units || *units == 0 || order < lastSuit || order > kSuitCount) {
      ADD_FAILURE() << "bad term " << term.suit << " \"" << term.reason << "\" " << term.value;
      return 0;
    }
    lastSuit = order;
    sum += *units;
  }
  return sum;
}

TEST(EvaluatorProperties, BreakdownsAddUpToTheValues) {
  forRandomHands(kExplainedHands, [](const Hand& hand, RandomHands&) {
    const Evaluation e = evaluateAll(hand);
    EXPECT_EQ(checkedSum(explainKnR(hand), 100), e.knr.hundredths);
    EXPECT_EQ(checkedSum(explainZar(hand), 1), e.zar.points);
    // Kleinman terms add up to the total that is divided by 3.
    const int total = checkedSum(explainKleinman(hand), 1);
    EXPECT_EQ(total / 3, e.kleinman.points);
    const int remainder = total % 3;
    EXPECT_EQ(remainder == 2 ? 1 : remainder == 0 ? -1 : 0, e.kleinman.quality);
    EXPECT_EQ(checkedSum(explainCulbertson(hand), 4), 2 * e.culbertson.halfTricks);
  });
}

// No method favours a suit (the Zar spade rule plays no part in the verdict).
TEST(EvaluatorProperties, SuitOrderDoesNotMatter) {
  forRandomHands(kRandomHands, [](const Hand& hand, RandomHands& random) {
    std::array<int, kSuitCount> order = {0, 1, 2, 3};
    std::shuffle(order.begin(), order.end(), random.engine());
    EXPECT_EQ(evaluateAll(withSuitsPermuted(hand, order)), evaluateAll(hand));
  });
}

// Typing the cards of each suit in another order gives the same hand and values.
TEST(EvaluatorProperties, CardOrderDoesNotMatter) {
  forRandomHands(kRandomHands, [](const Hand& hand, RandomHands& random) {
    std::string text = handToText(hand);
    auto begin = text.begin();
    while (begin != text.end()) {
      const auto end = std::find(begin, text.end(), ' ');
      std::shuffle(begin, end, random.engine());
      begin = end == text.end() ? end : end + 1;
    }
    const Hand retyped = handFromText(text);
    EXPECT_EQ(retyped, hand);
    EXPECT_EQ(evaluateAll(retyped), evaluateAll(hand));
  });
}

struct Explanations {
  Breakdown knr, zar, kleinman, culbertson;
  friend bool operator==(const Explanations&, const Explanations&) = default;
};

Explanations explainAll(const Hand& hand) {
  return {explainKnR(hand), explainZar(hand), explainKleinman(hand), explainCulbertson(hand)};
}

// The hand with one card of a random suit changed between a spot card and a Seven
// to Two, either way; nothing when the suit has neither.
std::optional<Hand> withLowCardRetyped(const Hand& hand, RandomHands& random) {
  const auto suit = random.pick(kSuitCount);
  const auto bit = rankBit[static_cast<std::size_t>(kFirstLowRank) + random.pick(6)];
  Hand changed = hand;
  if ((hand.suitCards[suit] & bit) != 0) {
    changed.suitCards[suit] = static_cast<std::int16_t>(hand.suitCards[suit] & ~bit);
    ++changed.spotCount[suit];
  } else if (hand.spotCount[suit] > 0) {
    changed.suitCards[suit] = static_cast<std::int16_t>(hand.suitCards[suit] | bit);
    --changed.spotCount[suit];
  } else {
    return std::nullopt;
  }
  return changed;
}

// A spot card is never a Ten, Nine or Eight: it scores exactly like a Seven to a Two.
TEST(EvaluatorProperties, SpotCardsScoreLikeLowCards) {
  forRandomHands(kRandomHands, [](const Hand& hand, RandomHands& random) {
    if (const auto changed = withLowCardRetyped(hand, random)) {
      SCOPED_TRACE("changed to " + handToText(*changed));
      EXPECT_EQ(evaluateAll(*changed), evaluateAll(hand));
    }
  });
}

TEST(EvaluatorProperties, SpotCardsExplainedLikeLowCards) {
  forRandomHands(kExplainedHands, [](const Hand& hand, RandomHands& random) {
    if (const auto changed = withLowCardRetyped(hand, random)) {
      SCOPED_TRACE("changed to " + handToText(*changed));
      EXPECT_EQ(explainAll(*changed), explainAll(hand));
    }
  });
}

TEST(EvaluatorProperties, EvaluateAllRunsTheFourInOrder) {
  const Hand hand = handFromText("KQ7543 QT2 A J98");
  const Evaluation e = evaluateAll(hand);
  EXPECT_EQ(e.knr, evaluateKnR(hand));
  EXPECT_EQ(e.zar, (ZarResult{28, true}));
  EXPECT_EQ(e.kleinman, (KleinmanResult{11, 0, true}));
  EXPECT_EQ(e.culbertson, (CulbertsonResult{5, true}));
}

// A malformed hand (entry never builds one) must not read outside the tables.
TEST(EvaluatorProperties, MalformedLengthsAreSafe) {
  Hand hand = handFromText("AKQJT98765432 - - -");
  hand.suitLength = {99, -7, 14, 32767};
  hand.suitCards[1] = -1;
  const Evaluation e = evaluateAll(hand);
  EXPECT_EQ(e, evaluateAll(hand));
  EXPECT_FALSE(explainKnR(hand).empty());
}

TEST(HandText, ReadsTheExampleHands) {
  const Hand hand = handFromText("AKT9xx - QJ1xx 02");
  EXPECT_EQ(hand.suitLength, (std::array<std::int16_t, 4>{6, 0, 5, 2}));
  EXPECT_EQ(hand.suitCards[kSpades], card::ace | card::king | card::ten | card::nine);
  EXPECT_EQ(hand.spotCount, (std::array<std::int16_t, 4>{2, 0, 2, 0}));
  EXPECT_EQ(hand.suitCards[kClubs], card::ten | rankBit[13]);
  EXPECT_EQ(hand.cardCount, 13);
  EXPECT_EQ(handToText(hand), "AKT9xx - QJTxx T2");
  EXPECT_THROW(handFromText("AKT9xx - QJxxx T2 x"), std::invalid_argument);
  EXPECT_THROW(handFromText("AKT9xx - QJxxx TT"), std::invalid_argument);
  EXPECT_THROW(handFromText("AKT9xx - QJxxx T"), std::invalid_argument);
  EXPECT_THROW(handFromText("AKT9xx - QJxxx TZ"), std::invalid_argument);
}

}  // namespace
}  // namespace bidgauge
