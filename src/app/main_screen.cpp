#include "app/main_screen.hpp"

#include <string>

#include "console/colors.hpp"
#include "hand/cp437.hpp"
#include "hand/card_tables.hpp"
#include "hand/hand.hpp"

namespace bidgauge {
namespace {

constexpr int kHintRow = 12;
constexpr int kHintColumn = 26;
constexpr int kHintEraseWidth = 30;

std::string suitsInOrder(bool reversed) {
  std::string text;
  for (int i = 0; i < kSuitCount; ++i) {
    if (i > 0) text += ' ';
    text += suitSymbol[reversed ? kSuitCount - 1 - i : i];
  }
  return text;
}

void drawHint(Console& console) {
  const CursorPosition resume{console.cursorRow(), console.cursorColumn()};
  console.moveCursor(kHintRow, kHintColumn);
  console.setColor(color::blue, color::lightCyan);
  console.printText(" For instructions, press ");
  console.setColor(color::blue, color::keep);
  console.printText("\"H\" ");
  console.moveCursor(resume.row, resume.column);
}

}  // namespace

void drawTitleScreen(Console& console) {
  console.setColor(color::yellow, color::blue);
  console.clearScreen();
  console.newLine();

  console.setColor(color::lightRed, color::keep);
  console.tabTo(21);
  console.printText(suitsInOrder(false));
  console.setColor(color::lightGreen, color::keep);
  console.printText("  OPENING BID EVALUATOR  ");
  console.setColor(color::lightRed, color::keep);
  console.printText(suitsInOrder(true));
  console.newLine();

  console.setColor(color::brown, color::keep);
  console.tabTo(34);
  console.printText("by its author");
  console.newLine();

  drawHint(console);
}

void eraseHint(Console& console, CursorPosition resume) {
  console.moveCursor(kHintRow, kHintColumn);
  console.printText(std::string(kHintEraseWidth, ' '));
  console.moveCursor(resume.row, resume.column);
}

void drawPrompt(Console& console) {
  console.setColor(color::darkGrey, color::blue);
  console.printText(" " + std::string(78, glyph::horizontal));
  console.newLine();

  console.setColor(color::yellow, color::keep);
  console.printText("  Enter a hand:");
  console.setColor(color::brightWhite, color::keep);
  console.tabTo(70);
  console.printText("H");
  console.setColor(color::darkGrey, color::keep);
  console.printText("elp  ");
  console.setColor(color::brightWhite, color::keep);
  console.printText("E");
  console.setColor(color::darkGrey, color::keep);
  console.printText("nd ");

  console.showCursor();
  console.setColor(color::brightWhite, color::keep);
  console.flushKeys();
  // The newline guarantees a free row below the entry row, scrolling if needed.
  console.newLine();
  console.moveCursor(console.cursorRow() - 1, entryColumn);
}

}  // namespace bidgauge
