#include "cli/command_line.hpp"

#include <cstdio>
#include <string_view>
#include <vector>

#include "batch/batch.hpp"
#include "cli/arguments.hpp"
#include "cli/deal_mode.hpp"
#include "cli/hand_mode.hpp"
#include "cli/study_mode.hpp"
#include "cli/system.hpp"

namespace bidgauge {
namespace {

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
    case Mode::deal:
      return exitCode(writeRandomDeals(arguments.seed, arguments.dealCount, stdout, stderr));
    case Mode::study:
      return exitCode(runStudy(arguments.study, arguments.words, arguments.seed, stdout, stderr));
    case Mode::hand: {
      const HandPrinting printing = handPrinting();
      return exitCode(evaluateHandWords(arguments.words, arguments.explain, printing.style, stdout,
                                        stderr, printing.glyphs));
    }
    case Mode::helpPages:
      return runInteractive(arguments.quiet, InteractiveApp::Start::help);
    case Mode::interactive:
      break;
  }
  return runInteractive(arguments.quiet, InteractiveApp::Start::titleScreen);
}

}  // namespace bidgauge
