#include "terminal/terminal_text.hpp"

#include "hand/cp437.hpp"

namespace bidgauge {

std::string lastScreenText(const Screen& screen, const ScreenDumpFormat& format) {
  const GlyphSet glyphs = format.utf8 ? GlyphSet::full : GlyphSet::ascii;
  // A screen the program closed with its newLine ends above the cursor; one
  // left mid-row (the program was ended by a signal) stays whole.
  // Erasing right of a full row would take its last cell with it: the cursor
  // waits on that cell until the next character.
  const bool wider = format.width > Screen::kColumns;
  const int lastRow = screen.cursorColumn() == 1 ? screen.cursorRow() - 1 : Screen::kRows;
  return "\x1B[H" +
         screenRowsText(screen, lastRow, {glyphs, format.depth, true, format.width, wider}) +
         "\x1B[J";
}

std::string titleText(std::string_view cp437, bool utf8) {
  std::string title;
  for (const char ch : cp437) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x20 || byte == 0x7F) continue;
    if (utf8) {
      appendUtf8(title, cp437ToUnicode(byte));
    } else {
      title += byte < 0x80 ? ch : '?';
    }
  }
  return title;
}

}  // namespace bidgauge
