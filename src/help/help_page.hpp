#pragma once

#include <span>
#include <string_view>

#include "console/colors.hpp"
#include "console/drawing.hpp"

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

// A help page is a table of drawing steps, named here as the page tables name
// them. A body row is an `at` followed by the pieces printed one after the
// other; a row may instead begin with a tab that wraps from the end of the
// previous row. No step sets the background.
using HelpPiece = DrawStep;
namespace help_piece = drawing;

struct HelpPage {
  std::string_view title;  // empty for a page without a title box
  int titleColumn = 0;
  std::span<const DrawStep> titleRemark;  // drawn after the title, inside the title box
  std::span<const DrawStep> body;         // rows 4 to 23

  bool hasTitleBox() const { return !title.empty(); }
};

inline constexpr int kHelpPageCount = 10;

// Page 1 to 10.
const HelpPage& helpPage(int number);

}  // namespace bidgauge
