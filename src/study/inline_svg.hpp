#pragma once

#include <string>
#include <string_view>

namespace bidgauge {

// An SVG drawing ready to sit in an HTML page beside others: without its
// XML declaration, and with every id, and every reference to one, prefixed
// by `idPrefix`, since a page's ids are shared by all of its drawings.
std::string inlineSvg(std::string_view svg, std::string_view idPrefix);

}  // namespace bidgauge
