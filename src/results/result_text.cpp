#include "results/result_text.hpp"

#include <cstdlib>

#include "hand/card_tables.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

// A whole number with one leading blank, or a minus sign in its place.
std::string signedWhole(int value) {
  std::string text(1, value < 0 ? '-' : ' ');
  return text += std::to_string(std::abs(value));
}

}  // namespace

std::string knrText(int hundredths) {
  char text[16];
  return std::string(text, writeHundredths(text, hundredths));
}

std::string zarText(int points) {
  return signedWhole(points);
}

std::string kleinmanText(int points, int quality) {
  return signedWhole(points) + (quality > 0 ? "+" : quality < 0 ? "-" : "");
}

std::string honorTricksText(int halfTricks, GlyphSet glyphs) {
  const int whole = halfTricks / 2;  // never negative
  const bool half = halfTricks % 2 != 0;
  const std::string halfSign = glyphs == GlyphSet::full ? std::string(1, glyph::half) : ".5";
  if (half && whole < 1) return " " + halfSign;
  return " " + std::to_string(whole) + (half ? halfSign : "");
}

ResultRows resultRows(const Evaluation& evaluation, GlyphSet glyphs) {
  return {{
      {"KnR Points:       ", knrText(evaluation.knr.hundredths), evaluation.knr.opens},
      {"Zar Points:      ", zarText(evaluation.zar.points), evaluation.zar.opens},
      {"Kleinman Points: ", kleinmanText(evaluation.kleinman.points, evaluation.kleinman.quality),
       evaluation.kleinman.opens},
      {"Honor Tricks:    ", honorTricksText(evaluation.culbertson.halfTricks, glyphs),
       evaluation.culbertson.opens},
  }};
}

ResultRows computeResults(const Hand& hand, GlyphSet glyphs) {
  return resultRows(evaluateAll(hand), glyphs);
}

std::string suitDisplay(const Hand& hand, int suit) {
  if (hand.suitCards[suit] == 0 && hand.spotCount[suit] == 0) {
    return std::string(3, glyph::horizontal);
  }
  std::string text;
  for (int rank = 1; rank <= kRankCount; ++rank) {
    if (hand.suitCards[suit] & rankBit[rank]) {
      text += cardLabel[rank];
      text += ' ';
    }
  }
  for (int spot = 0; spot < hand.spotCount[suit]; ++spot) text += "x ";
  return text;
}

}  // namespace bidgauge
