#include "cli/panel_output.hpp"

#include <array>

#include "app/main_screen.hpp"
#include "console/colors.hpp"
#include "hand/cp437.hpp"
#include "results/results_panel.hpp"

namespace bidgauge {
namespace {

// DOS colours have blue in bit 0 and red in bit 2; ANSI the other way round.
constexpr std::array<int, 8> kAnsiOrder = {0, 4, 2, 6, 1, 5, 3, 7};

int ansiColour(int dos, int base) {
  return base + kAnsiOrder[static_cast<std::size_t>(dos & 7)] + (dos >= 8 ? 60 : 0);
}

std::string selectGraphics(const Cell& cell) {
  return "\x1B[" + std::to_string(ansiColour(cell.foreground(), 30)) + ";" +
         std::to_string(ansiColour(cell.background(), 40)) + "m";
}

std::string plainRow(const Screen& screen, int row) {
  std::string text = screen.rowText(row);
  text.erase(text.find_last_not_of(' ') + 1);
  return cp437ToUtf8(text);
}

std::string colourRow(const Screen& screen, int row) {
  std::string text;
  for (int column = 1; column <= Screen::kColumns; ++column) {
    const Cell& cell = screen.cell(row, column);
    if (column == 1 || cell.attr != screen.cell(row, column - 1).attr) text += selectGraphics(cell);
    appendUtf8(text, cp437ToUnicode(static_cast<unsigned char>(cell.ch)));
  }
  return text + "\x1B[0m";
}

}  // namespace

std::string screenText(const Screen& screen, int lastRow, TextStyle style) {
  std::string text;
  for (int row = 1; row <= lastRow; ++row) {
    text += style == TextStyle::plain ? plainRow(screen, row) : colourRow(screen, row);
    text += '\n';
  }
  return text;
}

std::string handPanelText(const EntryState& entry, const ResultRows& rows, TextStyle style) {
  Screen screen;
  screen.setColor(color::yellow, color::blue);
  screen.clearScreen();
  screen.printText("  Enter a hand:");
  screen.moveCursor(0, entryColumn);
  screen.setColor(color::brightWhite, color::keep);
  screen.printText(entry.handText);
  drawSteps(screen, panelSteps(entry.hand, rows));
  // The panel ends with a line feed: everything above the cursor's row is used.
  return screenText(screen, screen.cursorRow() - 1, style);
}

}  // namespace bidgauge
