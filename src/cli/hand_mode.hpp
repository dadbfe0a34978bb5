#pragma once

#include <cstdio>
#include <span>
#include <string>

#include "batch/exit_status.hpp"
#include "cli/panel_output.hpp"

namespace bidgauge {

// Evaluates the hand given as words on the command line: they are joined with
// single blanks and typed on the entry line. Prints the entry row and the
// results panel (and with `explain` what each method counted) to `out`, or the
// reason the hand is not valid to `err` (ExitStatus::failed, as for output
// that could not be written).
ExitStatus evaluateHandWords(std::span<const std::string> words, bool explain, TextStyle style,
                             std::FILE* out, std::FILE* err, GlyphSet glyphs = GlyphSet::full);

}  // namespace bidgauge
