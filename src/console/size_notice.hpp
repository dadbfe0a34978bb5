#pragma once

#include <string>
#include <vector>

namespace bidgauge {

// The notice shown while the terminal or console window is smaller than the
// screen, word-wrapped to `columns` and cut to `rows` lines: what is needed,
// what there is, and how to go on or leave.
std::vector<std::string> tooSmallNotice(int columns, int rows, int neededColumns, int neededRows);

}  // namespace bidgauge
