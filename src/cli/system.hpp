#pragma once

#include "app/interactive_app.hpp"
#include "cli/panel_output.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {

// What the command line needs from the system it is built for; one source
// file per system gives it (system_terminal.cpp, system_windows.cpp).

// The interactive program on this system's console; the exit status.
int runInteractive(bool quiet, InteractiveApp::Start start);

// How one hand is printed on standard output: in colour where that is a
// terminal, with the glyphs it can show.
struct HandPrinting {
  TextStyle style = TextStyle::plain;
  GlyphSet glyphs = GlyphSet::full;
};
HandPrinting handPrinting();

}  // namespace bidgauge
