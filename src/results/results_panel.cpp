#include "results/results_panel.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "console/colors.hpp"
#include "hand/card_tables.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

using namespace drawing;

// The hand box's left edge; the suit text starts after "│ ♠ ".
constexpr int kHandBoxColumn = 9;
constexpr int kSuitTextOffset = 4;
// The results box's left edge; its value column is closed by a bar, then the mark.
constexpr int kResultsBoxColumn = 42;
constexpr int kLegendColumn = 50;
// A blank and the longest label, KnR's, take 19 cells.
constexpr int kLabelWidth = 19;
// The last column marks an opening count.
constexpr std::string_view kMark = " * ";
constexpr std::string_view kNoMark = "   ";

std::string rule(int length) {
  return std::string(static_cast<std::size_t>(length), glyph::horizontal);
}

// The widths inside the boxes: the longest suit, and the labels with the longest value.
struct Widths {
  int hand;
  int results;
};

Widths widthsOf(const std::array<std::string, 4>& suits, const ResultRows& rows) {
  Widths widths{0, static_cast<int>(rows[0].text.size()) + 1};
  for (int i = 0; i < 4; ++i) {
    widths.hand = std::max(widths.hand, static_cast<int>(suits[i].size()));
    if (i > 0) widths.results = std::max(widths.results, static_cast<int>(rows[i].text.size()));
  }
  widths.results += kLabelWidth;
  return widths;
}

void addBoxEdge(Drawing& steps, Widths widths, char left, char tee, char right) {
  steps.add(column(kHandBoxColumn))
      .say(left + rule(widths.hand + kSuitTextOffset - 1) + right)
      .add(tab(kResultsBoxColumn))
      .say(left + rule(widths.results) + tee + rule(static_cast<int>(kMark.size())) + right)
      .add(lineEnd());
}

void addRow(Drawing& steps, Widths widths, int i, const std::string& suit, const ResultRow& row) {
  steps.add(column(kHandBoxColumn))
      .add(sym(glyph::vertical, color::lightCyan))
      .add(say(" ", color::lightRed))
      .add(sym(suitSymbol[static_cast<std::size_t>(i)]))
      .say(" " + suit, color::yellow)
      .add(tab(kHandBoxColumn + kSuitTextOffset + widths.hand, color::lightCyan))
      .add(sym(glyph::vertical))
      .add(column(kResultsBoxColumn))
      .add(sym(glyph::vertical))
      .say(" " + row.label, color::yellow)
      .say(row.text, color::brightWhite)
      .add(tab(kResultsBoxColumn + 1 + widths.results, color::lightCyan))
      .add(sym(glyph::vertical))
      .add(say(row.opens ? kMark : kNoMark, color::brightWhite))
      .add(sym(glyph::vertical, color::lightCyan))
      .add(lineEnd());
}

}  // namespace

Drawing panelSteps(const Hand& hand, const ResultRows& rows) {
  std::array<std::string, 4> suits;
  for (int i = 0; i < 4; ++i) suits[i] = suitDisplay(hand, i);
  const Widths widths = widthsOf(suits, rows);

  Drawing steps;
  steps.add(paint(color::lightCyan, color::blue)).add(lineEnd()).add(lineEnd());
  addBoxEdge(steps, widths, glyph::topLeft, glyph::teeDown, glyph::topRight);
  for (int i = 0; i < 4; ++i) addRow(steps, widths, i, suits[i], rows[i]);
  addBoxEdge(steps, widths, glyph::bottomLeft, glyph::teeUp, glyph::bottomRight);
  steps.add(tab(kLegendColumn, color::lightGrey)).add(say("* opening count")).add(lineEnd());
  return steps;
}

void showResults(Console& console, const Hand& hand, const ResultRows& rows) {
  draw(console.screen(), panelSteps(hand, rows));
}

}  // namespace bidgauge
