#pragma once

#include <array>
#include <string>

#include "evaluators/evaluation.hpp"
#include "hand/cp437.hpp"
#include "hand/hand.hpp"

namespace bidgauge {

// One row of the results box: the method's label, its value as shown, and
// whether it reaches the opening requirement.
struct ResultRow {
  std::string label;
  std::string text;
  bool opens = false;
};
using ResultRows = std::array<ResultRow, 4>;

// Writes hundredths as a decimal with two places: 1220 -> "12.20", -50 ->
// "-0.50"; at most 14 bytes. Returns the end.
constexpr char* writeHundredths(char* out, int hundredths) {
  if (hundredths < 0) *out++ = '-';
  unsigned magnitude =
      hundredths < 0 ? 0U - static_cast<unsigned>(hundredths) : static_cast<unsigned>(hundredths);
  char digits[12] = {};
  int count = 0;
  for (unsigned whole = magnitude / 100; count == 0 || whole != 0; whole /= 10) {
    digits[count++] = static_cast<char>('0' + whole % 10);
  }
  while (count != 0) *out++ = digits[--count];
  magnitude %= 100;
  *out++ = '.';
  *out++ = static_cast<char>('0' + magnitude / 10);
  *out++ = static_cast<char>('0' + magnitude % 10);
  return out;
}

// Value texts as the results box shows them (code page 437 bytes).
std::string knrText(int hundredths);                // "12.20", "-0.50"
std::string zarText(int points);                    // " 26"
std::string kleinmanText(int points, int quality);  // " 11+", " 9-", " 10"
// " 2" + half sign, " 0"; in ASCII " 2.5" and " .5", since a lone stand-in
// for the half sign would read as another mark.
std::string honorTricksText(int halfTricks, GlyphSet glyphs = GlyphSet::full);

// The four rows, KnR, Zar, Kleinman and Culbertson, for an evaluated hand.
ResultRows resultRows(const Evaluation& evaluation, GlyphSet glyphs = GlyphSet::full);
// Evaluates the hand with the four methods in order and formats the rows.
ResultRows computeResults(const Hand& hand, GlyphSet glyphs = GlyphSet::full);

// A suit as shown in the hand box: cards from the Ace down, the Ten as "10",
// spot cards last as x, each followed by a blank; a void as three lines.
std::string suitDisplay(const Hand& hand, int suit);

}  // namespace bidgauge
