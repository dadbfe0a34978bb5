#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "console/ansi_text.hpp"
#include "console/screen.hpp"
#include "console/size_notice.hpp"

namespace bidgauge {

// How the last screen is written to the terminal after curses has let go.
struct ScreenDumpFormat {
  bool utf8 = true;
  ColorDepth depth = ColorDepth::sixteen;
  int width = Screen::kColumns;  // rows are cut to the terminal's width instead of wrapping
};

// The screen as the program leaves it, for the terminal's normal screen once
// curses has let go: from the top-left corner, the rows above the cursor's
// row when the cursor stands at the start of a row (else all rows) with SGR
// colours, each ended by a colour reset and a newline, then the rest of the
// terminal erased. After the program's last newLine the shell's prompt thus
// appears where the program's cursor was, and the terminal scrolls only where
// the screen did.
std::string lastScreenText(const Screen& screen, const ScreenDumpFormat& format);

// A window title without control characters; outside UTF-8 only ASCII is kept.
std::string titleText(std::string_view cp437, bool utf8);

}  // namespace bidgauge
