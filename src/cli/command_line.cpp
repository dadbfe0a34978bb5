#include "cli/command_line.hpp"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/interactive_app.hpp"
#include "batch/batch.hpp"
#include "cli/arguments.hpp"
#include "cli/hand_mode.hpp"
#include "terminal/terminal_console.hpp"

namespace bidgauge {
namespace {

int runInteractive(bool quiet, InteractiveApp::Start start) {
  TerminalOptions options;
  options.quiet = quiet;
  std::string error;
  auto console = TerminalConsole::open(options, error);
  if (!console) {
    std::fprintf(stderr, "bidgauge: %s\n", error.c_str());
    return 1;
  }
  InteractiveApp app(*console);
  app.start(start);
  while (const std::optional<Key> key = console->nextKey()) {
    if (!app.handle(*key)) break;
  }
  return 0;
}

// Like the screen, the output follows the locale's character set.
GlyphSet localeGlyphSet() {
  std::setlocale(LC_CTYPE, "");
  return std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0 ? GlyphSet::full : GlyphSet::ascii;
}

int print(std::string_view text) {
  const bool written =
      std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
  return exitCode(written ? ExitStatus::ok : ExitStatus::failed);
}

}  // namespace

int runCommandLine(int argc, char** argv) {
  const std::vector<std::string_view> words(argv + (argc > 0 ? 1 : 0), argv + argc);
  ParsedArguments parsed = parseArguments(words);
  if (!parsed.arguments) {
    std::fprintf(stderr, "bidgauge: %s\nTry 'bidgauge --help' for more information.\n",
                 parsed.error.c_str());
    return exitCode(ExitStatus::failed);
  }
  Arguments& arguments = *parsed.arguments;
  switch (arguments.mode) {
    case Mode::usage:
      return print(usageText());
    case Mode::version:
      return print("bidgauge " BIDGAUGE_VERSION "\n");
    case Mode::batch:
      return exitCode(runBatch(
          {arguments.format, std::move(arguments.words), arguments.header, arguments.allRooms},
          {stdin, stdout, stderr}));
    case Mode::hand:
      return exitCode(
          evaluateHandWords(arguments.words, arguments.explain,
                            isatty(STDOUT_FILENO) ? TextStyle::colour : TextStyle::plain, stdout,
                            stderr, localeGlyphSet()));
    case Mode::helpPages:
      return runInteractive(arguments.quiet, InteractiveApp::Start::help);
    case Mode::interactive:
      break;
  }
  return runInteractive(arguments.quiet, InteractiveApp::Start::titleScreen);
}

}  // namespace bidgauge
