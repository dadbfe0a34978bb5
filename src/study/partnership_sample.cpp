#include "study/partnership_sample.hpp"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "evaluators/fused.hpp"

namespace bidgauge {
namespace {

constexpr std::array<std::string_view, kPatternClassCount> kPatternNames = {
    "4-3-3-3", "4-4-3-2", "4-4-4-1", "5-3-3-2", "5-4-x-x", "6-x-x-x", "7+", "two-suiter", "void"};

// DealTricks::kUnknown, as the targets' int.
constexpr int kUnknownTricks = -1;

struct HandSample {
  std::array<double, kMethodCount> values{};
  std::array<bool, kOpeningMethodCount> opens{};
};

HandSample handSample(const Hand& hand) {
  const HandValues values = evaluateFused(hand);
  const Evaluation& e = values.evaluation;
  return {{e.knr.hundredths / 100.0, static_cast<double>(e.zar.points),
           static_cast<double>(e.kleinman.points), e.culbertson.halfTricks / 2.0,
           static_cast<double>(values.hcp), 0.0},
          {e.knr.opens, e.zar.opens, e.kleinman.opens, e.culbertson.opens}};
}

int checkedTricks(int tricks, const SolvedDeal& solved, const char* target) {
  if (tricks < 0) {
    throw std::invalid_argument("deal " + std::to_string(solved.number) + ": the " + target +
                                " tricks are not known");
  }
  return tricks;
}

}  // namespace

// Checked from the most distinctive shape down, so each hand lands in one
// class: a void first whatever else the hand holds (5-4-4-0 is a void hand),
// then a 7-card suit (7-5 too), then two long suits (5-5, 6-5, 6-4), and only
// then the single-suited and balanced shapes.
PatternClass patternClassOf(const Hand& hand) {
  std::array<int, kSuitCount> lengths{};
  std::copy(hand.suitLength.begin(), hand.suitLength.end(), lengths.begin());
  std::sort(lengths.begin(), lengths.end(), std::greater<>());
  if (lengths[3] == 0) return PatternClass::voidSuit;
  if (lengths[0] >= 7) return PatternClass::sevenPlus;
  if (lengths[1] >= 5 || (lengths[0] == 6 && lengths[1] == 4)) return PatternClass::twoSuiter;
  if (lengths[0] == 6) return PatternClass::six;
  if (lengths[0] == 5) {
    return lengths[1] == 4 ? PatternClass::fiveFour : PatternClass::fiveThreeThreeTwo;
  }
  if (lengths[2] == 4) return PatternClass::fourFourFourOne;
  if (lengths[1] == 4) return PatternClass::fourFourThreeTwo;
  return PatternClass::fourThreeThreeThree;
}

std::string_view patternName(PatternClass pattern) {
  return kPatternNames[static_cast<std::size_t>(pattern)];
}

int betterDeclarerTricks(const DealTricks& tricks, int strain, int side) {
  const auto& byDeclarer = tricks.tricks[static_cast<std::size_t>(strain)];
  const std::int8_t first = byDeclarer[static_cast<std::size_t>(side)];
  const std::int8_t second = byDeclarer[static_cast<std::size_t>(side) + 2];
  if (first < 0 || second < 0) return kUnknownTricks;
  return static_cast<int>(std::max(first, second));
}

int longestSuitTricks(const WholeDeal& deal, const DealTricks& tricks, int side) {
  const Hand& first = deal.hands[static_cast<std::size_t>(side)];
  const Hand& second = deal.hands[static_cast<std::size_t>(side) + 2];
  std::array<int, kSuitCount> lengths{};
  for (std::size_t suit = 0; suit < kSuitCount; ++suit) {
    lengths[suit] = first.suitLength[suit] + second.suitLength[suit];
  }
  const int longest = *std::max_element(lengths.begin(), lengths.end());
  int best = kUnknownTricks;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    if (lengths[static_cast<std::size_t>(suit)] != longest) continue;
    const int taken = betterDeclarerTricks(tricks, suit, side);
    if (taken < 0) return kUnknownTricks;
    best = std::max(best, taken);
  }
  return best;
}

std::array<PartnershipSample, kSideCount> partnershipSamples(const SolvedDeal& solved) {
  std::array<PartnershipSample, kSideCount> samples{};
  for (int side = 0; side < kSideCount; ++side) {
    PartnershipSample& sample = samples[static_cast<std::size_t>(side)];
    sample.deal = solved.number;
    for (int hand = 0; hand < kHandsPerSide; ++hand) {
      const Hand& cards =
          solved.deal.hands[static_cast<std::size_t>(side) + 2 * static_cast<std::size_t>(hand)];
      const HandSample values = handSample(cards);
      for (std::size_t method = 0; method < kMethodCount; ++method) {
        sample.count[method] += values.values[method];
      }
      sample.opens[static_cast<std::size_t>(hand)] = values.opens;
      sample.patterns[static_cast<std::size_t>(hand)] = patternClassOf(cards);
    }
    sample.tricks[static_cast<std::size_t>(Target::notrump)] =
        checkedTricks(betterDeclarerTricks(solved.tricks, kNotrump, side), solved, "notrump");
    sample.tricks[static_cast<std::size_t>(Target::longestSuit)] =
        checkedTricks(longestSuitTricks(solved.deal, solved.tricks, side), solved, "longest suit");
  }
  return samples;
}

}  // namespace bidgauge
