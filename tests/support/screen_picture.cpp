#include "support/screen_picture.hpp"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

std::string foregroundRow(const Screen& screen, int row) {
  std::string digits;
  for (int column = 1; column <= Screen::kColumns; ++column) {
    const Cell& cell = screen.cell(row, column);
    digits += cell.ch == ' ' ? '.' : kHexDigits[static_cast<std::size_t>(cell.foreground())];
  }
  return digits;
}

int uniformBackground(const Screen& screen) {
  const int first = screen.cell(1, 1).background();
  for (int row = 1; row <= Screen::kRows; ++row) {
    for (int column = 1; column <= Screen::kColumns; ++column) {
      if (screen.cell(row, column).background() != first) return -1;
    }
  }
  return first;
}

std::string rulerLines() {
  std::string tens = "#  |";
  std::string units = "#  |";
  for (int column = 1; column <= Screen::kColumns; ++column) {
    tens += column % 10 == 0 ? kHexDigits[static_cast<std::size_t>(column / 10)] : ' ';
    units += kHexDigits[static_cast<std::size_t>(column % 10)];
  }
  return tens + "|\n" + units + "|\n";
}

std::string rowLabel(int row) {
  return (row < 10 ? "0" : "") + std::to_string(row) + " |";
}

// Number of characters in UTF-8 text (counts the bytes that start a character).
std::size_t utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return count;
}

// The part between the first and last bar of a row line, if it has 80 characters.
std::optional<std::string> rowBody(std::string_view line) {
  const auto open = line.find('|');
  const auto close = line.rfind('|');
  if (open == std::string_view::npos || close <= open) return std::nullopt;
  std::string body{line.substr(open + 1, close - open - 1)};
  if (utf8Length(body) != static_cast<std::size_t>(Screen::kColumns)) return std::nullopt;
  return body;
}

std::vector<std::string_view> meaningfulLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    if (!line.empty() && line.front() != '#') lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool readRows(const std::vector<std::string_view>& lines, std::size_t first,
              std::array<std::string, Screen::kRows>& rows) {
  if (first + Screen::kRows > lines.size()) return false;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::optional<std::string> body = rowBody(lines[first + i]);
    if (!body) return false;
    rows[i] = std::move(*body);
  }
  return true;
}

}  // namespace

ScreenPicture pictureOf(const Screen& screen) {
  ScreenPicture picture;
  for (int row = 1; row <= Screen::kRows; ++row) {
    picture.text[static_cast<std::size_t>(row - 1)] = cp437ToUtf8(screen.rowText(row));
    picture.foreground[static_cast<std::size_t>(row - 1)] = foregroundRow(screen, row);
  }
  picture.background = uniformBackground(screen);
  picture.cursorRow = screen.cursorRow();
  picture.cursorColumn = screen.cursorColumn();
  return picture;
}

std::string formatPicture(const ScreenPicture& picture, std::string_view heading) {
  std::ostringstream out;
  out << "# " << heading << "\n"
      << "# text: one character per cell between the bars.\n"
      << "# foreground: one hex digit per cell, '.' for a blank: 6 brown, 7 light grey,\n"
      << "#   a light green, b light cyan, c light red, d light magenta, e yellow, f bright "
         "white.\n"
      << "# background: the one background of every cell.\n"
      << "background " << picture.background << "\n"
      << "cursor " << picture.cursorRow << " " << picture.cursorColumn << "\n"
      << "text\n"
      << rulerLines();
  for (int row = 1; row <= Screen::kRows; ++row) {
    out << rowLabel(row) << picture.text[static_cast<std::size_t>(row - 1)] << "|\n";
  }
  out << "foreground\n" << rulerLines();
  for (int row = 1; row <= Screen::kRows; ++row) {
    out << rowLabel(row) << picture.foreground[static_cast<std::size_t>(row - 1)] << "|\n";
  }
  return out.str();
}

std::optional<ScreenPicture> parsePicture(std::string_view fileText) {
  const std::vector<std::string_view> lines = meaningfulLines(fileText);
  constexpr std::size_t kTextStart = 3;  // after background, cursor and "text"
  constexpr std::size_t kForegroundStart = kTextStart + Screen::kRows + 1;
  if (lines.size() != kForegroundStart + Screen::kRows) return std::nullopt;
  ScreenPicture picture;
  std::istringstream header{std::string(lines[0]) + " " + std::string(lines[1])};
  std::string backgroundWord;
  std::string cursorWord;
  header >> backgroundWord >> picture.background >> cursorWord >> picture.cursorRow >>
      picture.cursorColumn;
  if (!header || backgroundWord != "background" || cursorWord != "cursor") return std::nullopt;
  if (lines[2] != "text" || lines[kForegroundStart - 1] != "foreground") return std::nullopt;
  if (!readRows(lines, kTextStart, picture.text)) return std::nullopt;
  if (!readRows(lines, kForegroundStart, picture.foreground)) return std::nullopt;
  return picture;
}

std::string readHelpFixture(std::string_view name) {
  const char* root = std::getenv("BIDGAUGE_SOURCE_DIR");
  if (root == nullptr) return {};
  std::ifstream file{std::string(root) + "/tests/help/fixtures/" + std::string(name)};
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace bidgauge
