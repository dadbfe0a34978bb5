#include "web/screen_html.hpp"

#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

void appendEscaped(std::string& out, char32_t ch) {
  switch (ch) {
    case U'&':
      out += "&amp;";
      break;
    case U'<':
      out += "&lt;";
      break;
    case U'>':
      out += "&gt;";
      break;
    default:
      appendUtf8(out, ch);
  }
}

void openSpan(std::string& out, const Cell& cell) {
  out += "<span class=\"f";
  out += std::to_string(cell.foreground());
  out += " b";
  out += std::to_string(cell.background());
  out += "\">";
}

}  // namespace

std::string rowHtml(const Screen& screen, int row) {
  std::string html;
  html.reserve(2 * Screen::kColumns);
  for (int column = 1; column <= Screen::kColumns; ++column) {
    const Cell& cell = screen.cell(row, column);
    if (column == 1 || cell.attr != screen.cell(row, column - 1).attr) {
      if (column != 1) html += "</span>";
      openSpan(html, cell);
    }
    appendEscaped(html, cp437ToUnicode(static_cast<unsigned char>(cell.ch)));
  }
  html += "</span>";
  return html;
}

}  // namespace bidgauge
