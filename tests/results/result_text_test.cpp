#include "results/result_text.hpp"

#include <gtest/gtest.h>

#include "hand/cp437.hpp"
#include "hand/parser.hpp"

namespace bidgauge {
namespace {

TEST(ValueTexts, KnrUsesTheMaskWithTwoDecimals) {
  EXPECT_EQ(knrText(1220), "12.20");
  EXPECT_EQ(knrText(1410), "14.10");
  EXPECT_EQ(knrText(1200), "12.00");
  EXPECT_EQ(knrText(-50), "-0.50");
  EXPECT_EQ(knrText(5), "0.05");
  EXPECT_EQ(knrText(0), "0.00");
  EXPECT_EQ(knrText(-1235), "-12.35");
}

TEST(ValueTexts, WholeNumbersTakeALeadingBlank) {
  EXPECT_EQ(zarText(26), " 26");
  EXPECT_EQ(zarText(8), " 8");
  EXPECT_EQ(zarText(-3), "-3");
}

TEST(ValueTexts, KleinmanShowsItsQuality) {
  EXPECT_EQ(kleinmanText(11, 1), " 11+");
  EXPECT_EQ(kleinmanText(9, -1), " 9-");
  EXPECT_EQ(kleinmanText(10, 0), " 10");
  EXPECT_EQ(kleinmanText(0, -1), " 0-");
}

TEST(ValueTexts, HonorTricksUseTheHalfSign) {
  EXPECT_EQ(honorTricksText(6), " 3");
  EXPECT_EQ(honorTricksText(5), " 2\xAB");
  EXPECT_EQ(cp437ToUtf8(honorTricksText(5)), " 2½");
  EXPECT_EQ(honorTricksText(1), " \xAB");
  EXPECT_EQ(honorTricksText(0), " 0");
  EXPECT_EQ(honorTricksText(3), " 1\xAB");
}

// Without the half sign no one-cell stand-in is clear ('+' is Kleinman's mark).
TEST(ValueTexts, HonorTricksInAsciiSpellTheHalfOut) {
  EXPECT_EQ(honorTricksText(5, GlyphSet::ascii), " 2.5");
  EXPECT_EQ(honorTricksText(1, GlyphSet::ascii), " .5");
  EXPECT_EQ(honorTricksText(21, GlyphSet::ascii), " 10.5");
  EXPECT_EQ(honorTricksText(6, GlyphSet::ascii), " 3");
  EXPECT_EQ(honorTricksText(0, GlyphSet::ascii), " 0");
  const Evaluation evaluation{{1220, true}, {25, false}, {11, 1, true}, {5, true}};
  EXPECT_EQ(resultRows(evaluation, GlyphSet::ascii)[3].text, " 2.5");
  EXPECT_EQ(resultRows(evaluation, GlyphSet::ascii)[2].text, " 11+");
}

TEST(ValueTexts, RowsCarryLabelsAndOpeningFlags) {
  const Evaluation evaluation{{1220, true}, {25, false}, {11, 1, true}, {4, false}};
  const ResultRows rows = resultRows(evaluation);
  EXPECT_EQ(rows[0].label, "KnR Points:       ");
  EXPECT_EQ(rows[1].label, "Zar Points:      ");
  EXPECT_EQ(rows[2].label, "Kleinman Points: ");
  EXPECT_EQ(rows[3].label, "Honor Tricks:    ");
  EXPECT_EQ(rows[0].text, "12.20");
  EXPECT_EQ(rows[2].text, " 11+");
  EXPECT_EQ(rows[3].text, " 2");
  EXPECT_TRUE(rows[0].opens);
  EXPECT_FALSE(rows[1].opens);
  EXPECT_TRUE(rows[2].opens);
  EXPECT_FALSE(rows[3].opens);
}

Hand handOf(const std::string& text) {
  EntryState state;
  for (const char ch : text) state = parseKey(state, upperCased(std::string(1, ch))).state;
  return state.hand;
}

TEST(SuitTexts, CardsFromTheAceDownSpotsLast) {
  const Hand hand = handOf("x9a QKTxxxx - xxx");
  EXPECT_EQ(suitDisplay(hand, 0), "A 9 x ");
  EXPECT_EQ(suitDisplay(hand, 1), "K Q 10 x x x x ");
  EXPECT_EQ(cp437ToUtf8(suitDisplay(hand, 2)), "───");
  EXPECT_EQ(suitDisplay(hand, 3), "x x x ");
}

}  // namespace
}  // namespace bidgauge
