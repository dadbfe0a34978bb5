#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "console/ansi_text.hpp"
#include "console/screen.hpp"

namespace bidgauge {

// How the last screen is written to the terminal after curses has let go.
struct ScreenDumpFormat {
  bool utf8 = true;
  ColorDepth depth = ColorDepth::sixteen;
  int width = Screen::kColumns;  // rows are cut to the terminal's width instead of wrapping
};

// The screen's rows with SGR colours, each ended by a colour reset and a
// newline, so scrolling never paints a coloured background below them.
std::string lastScreenText(const Screen& screen, const ScreenDumpFormat& format);

// A window title without control characters; outside UTF-8 only ASCII is kept.
std::string titleText(std::string_view cp437, bool utf8);

// The notice shown while the terminal is smaller than the screen, word-wrapped
// to `columns` and cut to `rows` lines: what is needed, what there is, and
// how to go on or leave.
std::vector<std::string> tooSmallNotice(int columns, int rows, int neededColumns, int neededRows);

}  // namespace bidgauge
