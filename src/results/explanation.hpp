#pragma once

#include <string>

#include "hand/hand.hpp"
#include "results/result_text.hpp"

namespace bidgauge {

// Why each method values the hand as it does: per method a heading with its
// value from `rows`, then the terms it counted, suit by suit and for the whole
// hand, then the total. UTF-8 text, or ASCII for GlyphSet::ascii (`rows`
// formatted for the same glyph set).
std::string explanationText(const Hand& hand, const ResultRows& rows,
                            GlyphSet glyphs = GlyphSet::full);

}  // namespace bidgauge
