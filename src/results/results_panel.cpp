#include "results/results_panel.hpp"

#include <algorithm>

#include "console/colors.hpp"
#include "hand/cp437.hpp"
#include "hand/card_tables.hpp"

namespace bidgauge {
namespace {

constexpr int kHandBoxColumn = 9;
constexpr int kResultsBoxColumn = 42;
constexpr int kLegendColumn = 50;

class StepList {
 public:
  StepList& color(int foreground, int background = color::keep) {
    steps_.push_back({PanelStep::Op::color, foreground, background, 0, {}});
    return *this;
  }
  StepList& column(int column) {
    steps_.push_back({PanelStep::Op::column, 0, 0, column, {}});
    return *this;
  }
  StepList& tab(int column) {
    steps_.push_back({PanelStep::Op::tab, 0, 0, column, {}});
    return *this;
  }
  StepList& text(std::string text) {
    steps_.push_back({PanelStep::Op::text, 0, 0, 0, std::move(text)});
    return *this;
  }
  StepList& newLine() {
    steps_.push_back({PanelStep::Op::newLine, 0, 0, 0, {}});
    return *this;
  }
  std::vector<PanelStep> take() { return std::move(steps_); }

 private:
  std::vector<PanelStep> steps_;
};

std::string rule(int length) {
  return std::string(static_cast<std::size_t>(length), glyph::horizontal);
}

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
  widths.results += 19;
  return widths;
}

void addBoxEdge(StepList& steps, Widths widths, char left, char tee, char right) {
  steps.column(kHandBoxColumn)
      .text(left + rule(widths.hand + 3) + right)
      .tab(kResultsBoxColumn)
      .text(left + rule(widths.results) + tee + rule(3) + right)
      .newLine();
}

void addRow(StepList& steps, Widths widths, int i, const std::string& suit, const ResultRow& row) {
  const std::string bar(1, glyph::vertical);
  steps.column(kHandBoxColumn).color(color::lightCyan).text(bar);
  steps.color(color::lightRed).text(std::string(" ") + suitSymbol[i]);
  steps.color(color::yellow).text(" " + suit);
  steps.color(color::lightCyan).tab(widths.hand + 13).text(bar);
  steps.column(kResultsBoxColumn).text(bar);
  steps.color(color::yellow).text(" " + row.label);
  steps.color(color::brightWhite).text(row.text);
  steps.color(color::lightCyan).tab(widths.results + 43).text(bar);
  steps.color(color::brightWhite).text(row.opens ? " * " : "   ");
  steps.color(color::lightCyan).text(bar).newLine();
}

}  // namespace

std::vector<PanelStep> panelSteps(const Hand& hand, const ResultRows& rows) {
  std::array<std::string, 4> suits;
  for (int i = 0; i < 4; ++i) suits[i] = suitDisplay(hand, i);
  const Widths widths = widthsOf(suits, rows);

  StepList steps;
  steps.color(color::lightCyan, color::blue).newLine().newLine();
  addBoxEdge(steps, widths, glyph::topLeft, glyph::teeDown, glyph::topRight);
  for (int i = 0; i < 4; ++i) addRow(steps, widths, i, suits[i], rows[i]);
  addBoxEdge(steps, widths, glyph::bottomLeft, glyph::teeUp, glyph::bottomRight);
  steps.color(color::lightGrey).tab(kLegendColumn).text("* opening count").newLine();
  return steps.take();
}

void drawSteps(Screen& screen, const std::vector<PanelStep>& steps) {
  for (const PanelStep& step : steps) {
    switch (step.op) {
      case PanelStep::Op::color:
        screen.setColor(step.foreground, step.background);
        break;
      case PanelStep::Op::column:
        screen.moveCursor(0, step.column);
        break;
      case PanelStep::Op::tab:
        screen.tabTo(step.column);
        break;
      case PanelStep::Op::text:
        screen.printText(step.text);
        break;
      case PanelStep::Op::newLine:
        screen.newLine();
        break;
    }
  }
}

void showResults(Console& console, const Hand& hand, const ResultRows& rows) {
  drawSteps(console.screen(), panelSteps(hand, rows));
}

}  // namespace bidgauge
