// The command line on a system with a terminal: ncurses and the locale.
#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/key_loop.hpp"
#include "cli/system.hpp"
#include "terminal/terminal_console.hpp"

namespace bidgauge {

int runInteractive(bool quiet, InteractiveApp::Start start) {
  TerminalOptions options;
  options.quiet = quiet;
  std::string error;
  auto console = TerminalConsole::open(options, error);
  if (!console) {
    std::fprintf(stderr, "bidgauge: %s\n", error.c_str());
    return 1;
  }
  return runKeyLoop(*console, start);
}

// Like the screen, the output follows the locale's character set.
HandPrinting handPrinting() {
  std::setlocale(LC_CTYPE, "");
  const bool utf8 = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
  return {isatty(STDOUT_FILENO) != 0 ? TextStyle::colour : TextStyle::plain,
          utf8 ? GlyphSet::full : GlyphSet::ascii};
}

}  // namespace bidgauge
