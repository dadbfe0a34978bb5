#pragma once

#include <string>
#include <vector>

namespace bidgauge {

// A plain-text table with aligned columns, for a terminal.
struct TextColumn {
  // A column with no heading of its own sits under the heading before it, so
  // "1.23" and "[1.20,1.27]" can be two columns under one "deviation".
  std::string heading;
  bool alignRight = true;
  int gapBefore = 2;  // spaces between this column and the one before
};

struct TextTable {
  std::vector<TextColumn> columns;
  std::vector<std::vector<std::string>> rows;  // a cell per column
};

// The heading line then a line per row, each ending in "\n", no trailing
// spaces. A heading wider than its columns widens the last of them.
std::string renderTable(const TextTable& table);

}  // namespace bidgauge
