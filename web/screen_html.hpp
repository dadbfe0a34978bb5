#pragma once

#include <string>

#include "console/screen.hpp"

namespace bidgauge {

// One screen row as HTML for the page: each run of N cells in the same
// colours becomes <span class="fF bB" style="width:Nch">text</span> (F and B
// the colour numbers), the text in the glyphs of code page 437 with HTML's
// special characters escaped. Glyphs beyond ASCII make runs of their own.
// The row's text content is exactly its 80 characters.
std::string rowHtml(const Screen& screen, int row);

}  // namespace bidgauge
