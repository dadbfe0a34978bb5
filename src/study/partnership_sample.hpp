#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "hand/hand.hpp"
#include "study/solved_deal.hpp"
#include "study/study_results.hpp"

namespace bidgauge {

// The shape of one hand, as the pattern table groups them, flattest first
// (the order of its rows).
enum class PatternClass : std::uint8_t {
  fourThreeThreeThree,
  fourFourThreeTwo,
  fourFourFourOne,
  fiveThreeThreeTwo,
  fiveFour,  // 5-4-x-x
  six,       // 6-x-x-x
  sevenPlus,
  twoSuiter,
  voidSuit,
};
inline constexpr int kPatternClassCount = 9;

PatternClass patternClassOf(const Hand& hand);
std::string_view patternName(PatternClass pattern);  // "4-3-3-3" ... "void"

// Partnerships, named by their first seat.
inline constexpr int kNorthSouth = 0;
inline constexpr int kEastWest = 1;
inline constexpr int kSideCount = 2;
inline constexpr int kHandsPerSide = 2;

// What one partnership of a deal brings to the study.
struct PartnershipSample {
  long deal = 0;  // SolvedDeal::number
  // Each method's count: the sum of the two hands' values.
  std::array<double, kMethodCount> count{};
  // Whether each hand (first seat, then its partner) reaches each method's
  // opening requirement.
  std::array<std::array<bool, kOpeningMethodCount>, kHandsPerSide> opens{};
  std::array<int, kTargetCount> tricks{};
  std::array<PatternClass, kHandsPerSide> patterns{};
};

// The tricks the side takes in `strain` with its better declarer; -1 when
// either declarer's tricks are not known.
int betterDeclarerTricks(const DealTricks& tricks, int strain, int side);

// The tricks the side takes with its better declarer in its longest combined
// suit; of suits tied for longest, the one where it takes more. -1 when any
// tied suit's tricks are not known, since that suit might have been the one.
int longestSuitTricks(const WholeDeal& deal, const DealTricks& tricks, int side);

// North-South's sample and East-West's. Throws std::invalid_argument when a
// target's tricks are not known.
std::array<PartnershipSample, kSideCount> partnershipSamples(const SolvedDeal& solved);

}  // namespace bidgauge
