#include "console/drawing.hpp"

namespace bidgauge {
namespace {

void drawStep(Screen& screen, const DrawStep& step) {
  screen.setColor(step.foreground, step.background);
  switch (step.op) {
    case DrawStep::Op::color:
      break;
    case DrawStep::Op::moveTo:
      screen.moveCursor(step.row, step.column);
      break;
    case DrawStep::Op::moveToColumn:
      screen.moveToColumn(step.column);
      break;
    case DrawStep::Op::tabTo:
      screen.tabTo(step.column);
      break;
    case DrawStep::Op::text:
      for (int i = 0; i < step.times; ++i) screen.printText(step.text);
      break;
    case DrawStep::Op::newLine:
      screen.newLine();
      break;
  }
}

}  // namespace

void draw(Screen& screen, std::span<const DrawStep> steps) {
  for (const DrawStep& step : steps) drawStep(screen, step);
}

Drawing& Drawing::say(std::string text, int foreground) {
  return add(drawing::say(texts_.emplace_back(std::move(text)), foreground));
}

}  // namespace bidgauge
