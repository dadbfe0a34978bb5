#include "cli/command_line.hpp"

#include <cstdio>
#include <string>
#include <string_view>

#include "console/terminal_console.hpp"
#include "entry/interactive_app.hpp"

namespace bidgauge {

int runCommandLine(int argc, char** argv) {
  TerminalOptions options;
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--quiet") options.quiet = true;
  }
  std::string error;
  auto console = TerminalConsole::open(options, error);
  if (!console) {
    std::fprintf(stderr, "bidgauge: %s\n", error.c_str());
    return 1;
  }
  return InteractiveApp(*console).run();
}

}  // namespace bidgauge
