#pragma once

#include <span>
#include <string_view>

#include "console/colors.hpp"

namespace bidgauge {

// Colours of the help screens, named by what the text is.
namespace help_role {
inline constexpr int frame = color::lightGrey;  // title box, navigation bar, its unlit letters
inline constexpr int hotKey = color::yellow;    // the key letters of the navigation bar
inline constexpr int title = color::lightRed;
inline constexpr int body = color::yellow;
inline constexpr int emphasis = color::brightWhite;  // emphasised words, figures and holdings
inline constexpr int label = color::lightCyan;       // item labels and sub-headings
inline constexpr int example = color::lightGreen;    // worked examples and example hands
inline constexpr int heading = color::brightWhite;   // section headings between two rules
inline constexpr int requirementsHeading = color::lightMagenta;
inline constexpr int footnote = color::brown;
inline constexpr int closingFrame = color::lightCyan;
}  // namespace help_role

// One drawing step of a help screen. A row is a moveTo followed by the pieces
// printed one after the other; a row may instead begin with a tab that wraps
// from the end of the previous row.
struct HelpPiece {
  enum class Kind { moveTo, tab, text, newLine };

  Kind kind = Kind::text;
  std::string_view text;         // Kind::text: code page 437 bytes, printed `times` times
  int foreground = color::keep;  // set before the step; the background is never set
  int times = 1;
  int row = 0;     // Kind::moveTo
  int column = 0;  // Kind::moveTo and Kind::tab
};

// The factories the page tables are written with.
namespace help_piece {
constexpr HelpPiece at(int row, int column) {
  return {HelpPiece::Kind::moveTo, {}, color::keep, 1, row, column};
}
constexpr HelpPiece tab(int column, int foreground = color::keep) {
  return {HelpPiece::Kind::tab, {}, foreground, 1, 0, column};
}
constexpr HelpPiece say(std::string_view text, int foreground) {
  return {HelpPiece::Kind::text, text, foreground, 1, 0, 0};
}
// One code page 437 glyph, `times` times over. The table keeps a view of the
// byte, so pass a constant of namespace glyph.
constexpr HelpPiece sym(const char& glyph, int foreground, int times = 1) {
  return {HelpPiece::Kind::text, std::string_view(&glyph, 1), foreground, times, 0, 0};
}
constexpr HelpPiece lineEnd() {
  return {HelpPiece::Kind::newLine, {}, color::keep, 1, 0, 0};
}
}  // namespace help_piece

struct HelpPage {
  std::string_view title;  // empty for a page without a title box
  int titleColumn = 0;
  std::span<const HelpPiece> titleRemark;  // drawn after the title, inside the title box
  std::span<const HelpPiece> body;         // rows 4 to 23

  bool hasTitleBox() const { return !title.empty(); }
};

inline constexpr int kHelpPageCount = 10;

// Page 1 to 10.
const HelpPage& helpPage(int number);

}  // namespace bidgauge
