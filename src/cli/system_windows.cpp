// The command line on Windows: the Win32 console; output always in UTF-8.
#include <cstdio>
#include <string>

#include "cli/key_loop.hpp"
#include "cli/system.hpp"
#include "wincon/standard_streams.hpp"
#include "wincon/windows_console.hpp"

namespace bidgauge {

int runInteractive(bool quiet, InteractiveApp::Start start) {
  WindowsConsoleOptions options;
  options.quiet = quiet;
  std::string error;
  auto console = WindowsConsole::open(options, error);
  if (!console) {
    std::fprintf(stderr, "bidgauge: %s\n", error.c_str());
    return 1;
  }
  return runKeyLoop(*console, start);
}

HandPrinting handPrinting() {
  return {standardOutputShowsColour() ? TextStyle::colour : TextStyle::plain, GlyphSet::full};
}

}  // namespace bidgauge
