#include "terminal/terminal_text.hpp"

#include <algorithm>
#include <array>

#include "hand/cp437.hpp"

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

std::string lastScreenText(const Screen& screen, const ScreenDumpFormat& format) {
  const GlyphSet glyphs = format.utf8 ? GlyphSet::full : GlyphSet::ascii;
  // A screen the program closed with its newLine ends above the cursor; one
  // left mid-row (the program was ended by a signal) stays whole.
  // Erasing right of a full row would take its last cell with it: the cursor
  // waits on that cell until the next character.
  const bool wider = format.width > Screen::kColumns;
  const int lastRow = screen.cursorColumn() == 1 ? screen.cursorRow() - 1 : Screen::kRows;
  return "\x1B[H" +
         screenRowsText(screen, lastRow, {glyphs, format.depth, true, format.width, wider}) +
         "\x1B[J";
}

std::string titleText(std::string_view cp437, bool utf8) {
  std::string title;
  for (const char ch : cp437) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x20 || byte == 0x7F) continue;
    if (utf8) {
      appendUtf8(title, cp437ToUnicode(byte));
    } else {
      title += byte < 0x80 ? ch : '?';
    }
  }
  return title;
}

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
