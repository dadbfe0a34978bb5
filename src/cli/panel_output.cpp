#include "cli/panel_output.hpp"

#include "app/main_screen.hpp"
#include "console/ansi_text.hpp"
#include "console/colors.hpp"
#include "results/results_panel.hpp"

namespace bidgauge {

std::string screenText(const Screen& screen, int lastRow, TextStyle style, GlyphSet glyphs) {
  RowTextFormat format{glyphs, std::nullopt, false, Screen::kColumns};
  // Sixteen colours need neither bold nor reverse, so no sequence resets first.
  if (style == TextStyle::colour) format.colors = ColorDepth::sixteen;
  return screenRowsText(screen, lastRow, format);
}

std::string handPanelText(const EntryState& entry, const ResultRows& rows, TextStyle style,
                          GlyphSet glyphs) {
  Screen screen;
  screen.setColor(color::yellow, color::blue);
  screen.clearScreen();
  screen.printText("  Enter a hand:");
  screen.moveToColumn(entryColumn);
  screen.setColor(color::brightWhite, color::keep);
  screen.printText(entry.handText);
  draw(screen, panelSteps(entry.hand, rows));
  // The panel ends with a line feed: everything above the cursor's row is used.
  return screenText(screen, screen.cursorRow() - 1, style, glyphs);
}

}  // namespace bidgauge
