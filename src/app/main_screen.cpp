#include "app/main_screen.hpp"

#include <span>

#include "console/colors.hpp"
#include "console/drawing.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

using namespace drawing;

constexpr int kSuitsColumn = 21;  // the title's leading suit symbols
constexpr int kCreditColumn = 34;
constexpr int kHintRow = 12;
constexpr int kHintColumn = 26;
constexpr int kHintEraseWidth = 30;
constexpr int kKeyLabelsColumn = 70;  // "Help  End" at the end of the prompt row
constexpr int kSeparatorWidth = 78;

// After the blank first row: the suits, the title, the suits reversed; the credit below.
// clang-format off
constexpr DrawStep kTitle[] = {
    lineEnd(),
    tab(kSuitsColumn, color::lightRed), sym(glyph::spade), say(" "), sym(glyph::heart), say(" "),
    sym(glyph::diamond), say(" "), sym(glyph::club),
    say("  OPENING BID EVALUATOR  ", color::lightGreen),
    sym(glyph::club, color::lightRed), say(" "), sym(glyph::diamond), say(" "), sym(glyph::heart),
    say(" "), sym(glyph::spade), lineEnd(),
    tab(kCreditColumn, color::brown), say("by its author"), lineEnd()};

constexpr DrawStep kHint[] = {
    at(kHintRow, kHintColumn), paint(color::blue, color::lightCyan),
    say(" For instructions, press "), paint(color::blue, color::keep), say("\"H\" ")};

constexpr DrawStep kHintErased[] = {
    at(kHintRow, kHintColumn), say(" ", color::keep, kHintEraseWidth)};

// Leaves the colours of the entry.
constexpr DrawStep kPrompt[] = {
    paint(color::darkGrey, color::blue), say(" "),
    sym(glyph::horizontal, color::keep, kSeparatorWidth), lineEnd(),
    say("  Enter a hand:", color::yellow),
    tab(kKeyLabelsColumn, color::brightWhite), say("H"), say("elp  ", color::darkGrey),
    say("E", color::brightWhite), say("nd ", color::darkGrey),
    paint(color::brightWhite)};
// clang-format on

// Draws `steps` and puts the cursor back where it was.
void drawInPlace(Console& console, std::span<const DrawStep> steps) {
  const CursorPosition resume{console.cursorRow(), console.cursorColumn()};
  draw(console.screen(), steps);
  console.moveCursor(resume.row, resume.column);
}

}  // namespace

void drawTitleScreen(Console& console) {
  console.setColor(color::yellow, color::blue);
  console.clearScreen();
  draw(console.screen(), kTitle);
  drawInPlace(console, kHint);
}

void eraseHint(Console& console, CursorPosition resume) {
  draw(console.screen(), kHintErased);
  console.moveCursor(resume.row, resume.column);
}

void drawPrompt(Console& console) {
  draw(console.screen(), kPrompt);
  console.showCursor();
  console.flushKeys();
  // The newline guarantees a free row below the entry row, scrolling if needed.
  console.newLine();
  console.moveCursor(console.cursorRow() - 1, entryColumn);
}

}  // namespace bidgauge
