#include "cli/hand_mode.hpp"

#include <cerrno>
#include <cstring>

#include "batch/hand_entry.hpp"
#include "results/explanation.hpp"

namespace bidgauge {
namespace {

std::string joined(std::span<const std::string> words) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i != 0) text += ' ';
    text += words[i];
  }
  return text;
}

}  // namespace

ExitStatus evaluateHandWords(std::span<const std::string> words, bool explain, TextStyle style,
                             std::FILE* out, std::FILE* err, GlyphSet glyphs) {
  const HandEntry entry = enterHandText(joined(words));
  if (!entry.complete) {
    std::fprintf(err, "bidgauge: %s\n", entry.error.c_str());
    return ExitStatus::failed;
  }
  const ResultRows rows = computeResults(entry.state.hand, glyphs);
  std::string text = handPanelText(entry.state, rows, style, glyphs);
  if (explain) text += explanationText(entry.state.hand, rows, glyphs);
  if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
    std::fprintf(err, "bidgauge: cannot write the output: %s\n", std::strerror(errno));
    return ExitStatus::failed;
  }
  return ExitStatus::ok;
}

}  // namespace bidgauge
