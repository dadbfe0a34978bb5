#include "console/size_notice.hpp"

#include <algorithm>
#include <array>
#include <string_view>

namespace bidgauge {
namespace {

void appendWrapped(std::vector<std::string>& lines, std::string_view text, std::size_t width) {
  std::string line;
  while (!text.empty()) {
    const std::size_t end = text.find(' ');
    std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    while (!word.empty()) {
      const std::size_t room = line.empty() ? width : width - std::min(width, line.size() + 1);
      if (word.size() > room && !line.empty()) {
        lines.push_back(std::move(line));
        line.clear();
        continue;
      }
      if (!line.empty()) line += ' ';
      const std::size_t taken = std::min(word.size(), room);
      line += word.substr(0, taken);
      word.remove_prefix(taken);
      if (!word.empty()) {
        lines.push_back(std::move(line));
        line.clear();
      }
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
}

}  // namespace

std::vector<std::string> tooSmallNotice(int columns, int rows, int neededColumns, int neededRows) {
  const std::array<std::string, 4> paragraphs = {
      "bidgauge needs a terminal of at least " + std::to_string(neededColumns) + " columns by " +
          std::to_string(neededRows) + " rows.",
      "This one has " + std::to_string(columns) + " columns by " + std::to_string(rows) + " rows.",
      "Please enlarge the window: the program carries on as soon as it fits.",
      "Until then keys are ignored; Q or Escape quits the program.",
  };
  const auto width = static_cast<std::size_t>(std::max(columns, 1));
  const auto height = static_cast<std::size_t>(std::max(rows, 0));
  std::vector<std::string> lines;
  for (const std::string& paragraph : paragraphs) {
    if (!lines.empty()) lines.emplace_back();
    appendWrapped(lines, paragraph, width);
  }
  if (lines.size() > height) {
    std::erase(lines, std::string{});  // without the blank lines between paragraphs
    lines.resize(std::min(lines.size(), height));
  }
  return lines;
}

}  // namespace bidgauge
