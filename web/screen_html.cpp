#include "web/screen_html.hpp"

#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

void appendGlyph(std::string& out, char32_t ch) {
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

bool beyondAscii(const Cell& cell) {
  return cp437ToUnicode(static_cast<unsigned char>(cell.ch)) >= 0x80;
}

// A suit's name for screen readers, which say nothing or "black spade suit"
// for its glyph; empty for any other cell.
std::string_view suitName(const Cell& cell) {
  switch (cell.ch) {
    case glyph::spade:
      return "Spades";
    case glyph::heart:
      return "Hearts";
    case glyph::diamond:
      return "Diamonds";
    case glyph::club:
      return "Clubs";
    default:
      return {};
  }
}

// Whether `next` goes on the run `first` starts: same colours, on the same
// side of ASCII, and no suit, which stands alone to carry its name.
bool sameRun(const Cell& first, const Cell& next) {
  return next.attr == first.attr && beyondAscii(next) == beyondAscii(first) &&
         suitName(first).empty() && suitName(next).empty();
}

// A run is as wide as its cells, so the next one starts on the grid even if
// its glyphs are wider or narrower than a cell: those beyond ASCII may come
// from a fallback font, so they make runs of their own.
void openSpan(std::string& out, const Cell& cell, int cells) {
  out += "<span class=\"f";
  out += std::to_string(cell.foreground());
  out += " b";
  out += std::to_string(cell.background());
  out += "\" style=\"width:";
  out += std::to_string(cells);
  out += "ch\"";
  if (const std::string_view name = suitName(cell); !name.empty()) {
    out += " role=\"img\" aria-label=\"";
    out += name;
    out += '"';
  }
  out += '>';
}

}  // namespace

std::string rowHtml(const Screen& screen, int row) {
  std::string html;
  html.reserve(std::size_t{4} * Screen::kColumns);
  int column = 1;
  while (column <= Screen::kColumns) {
    const Cell& first = screen.cell(row, column);
    int end = column + 1;
    while (end <= Screen::kColumns && sameRun(first, screen.cell(row, end))) {
      ++end;
    }
    openSpan(html, first, end - column);
    for (; column < end; ++column) {
      appendGlyph(html, cp437ToUnicode(static_cast<unsigned char>(screen.cell(row, column).ch)));
    }
    html += "</span>";
  }
  return html;
}

}  // namespace bidgauge
