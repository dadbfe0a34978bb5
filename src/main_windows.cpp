// The program's entry point on Windows: arguments arrive as UTF-16 and go on
// as UTF-8, as on every other system.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.hpp"
#include "cli/command_line.hpp"
#include "hand/wide_text.hpp"
#include "wincon/standard_streams.hpp"

namespace {

// All but the interactive program write text to the standard streams; it
// draws on the console itself.
bool writesText(const std::vector<std::string>& words) {
  using bidgauge::Mode;
  std::vector<std::string_view> arguments;  // after the program's name
  for (std::size_t i = 1; i < words.size(); ++i) arguments.emplace_back(words[i]);
  const bidgauge::ParsedArguments parsed = bidgauge::parseArguments(arguments);
  return !parsed.arguments ||
         (parsed.arguments->mode != Mode::interactive && parsed.arguments->mode != Mode::helpPages);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  std::vector<std::string> words;
  words.reserve(static_cast<std::size_t>(argc));
  for (int i = 0; i < argc; ++i) {
    words.push_back(bidgauge::utf8FromUtf16(reinterpret_cast<const char16_t*>(argv[i])));
  }
  std::vector<char*> pointers;
  pointers.reserve(words.size() + 1);
  for (std::string& word : words) pointers.push_back(word.data());
  pointers.push_back(nullptr);
  const bidgauge::StandardStreams streams(writesText(words));
  return bidgauge::runCommandLine(argc, pointers.data());
}
