#include "study/text_table.hpp"

#include <algorithm>

namespace bidgauge {
namespace {

// Where each heading's span of columns ends: the column before the next
// heading.
std::vector<std::size_t> spanEnds(const std::vector<TextColumn>& columns) {
  std::vector<std::size_t> ends(columns.size());
  std::size_t start = 0;
  for (std::size_t column = 1; column <= columns.size(); ++column) {
    if (column == columns.size() || !columns[column].heading.empty()) {
      ends[start] = column - 1;
      start = column;
    }
  }
  return ends;
}

std::size_t spanWidth(const TextTable& table, const std::vector<std::size_t>& widths,
                      std::size_t start, std::size_t end) {
  std::size_t span = widths[start];
  for (std::size_t column = start + 1; column <= end; ++column) {
    span += static_cast<std::size_t>(table.columns[column].gapBefore) + widths[column];
  }
  return span;
}

std::vector<std::size_t> columnWidths(const TextTable& table) {
  std::vector<std::size_t> widths(table.columns.size());
  for (const auto& row : table.rows) {
    for (std::size_t column = 0; column < row.size() && column < widths.size(); ++column) {
      widths[column] = std::max(widths[column], row[column].size());
    }
  }
  const std::vector<std::size_t> ends = spanEnds(table.columns);
  for (std::size_t start = 0; start < widths.size(); start = ends[start] + 1) {
    const std::size_t span = spanWidth(table, widths, start, ends[start]);
    const std::size_t heading = table.columns[start].heading.size();
    if (heading > span) widths[ends[start]] += heading - span;
  }
  return widths;
}

void appendCell(std::string& line, const std::string& text, std::size_t width, bool right) {
  const std::string padding(width - std::min(width, text.size()), ' ');
  line += right ? padding + text : text + padding;
}

void endLine(std::string& out, std::string& line) {
  line.erase(line.find_last_not_of(' ') + 1);
  out += line;
  out += '\n';
  line.clear();
}

}  // namespace

std::string renderTable(const TextTable& table) {
  const std::vector<std::size_t> widths = columnWidths(table);
  const std::vector<std::size_t> ends = spanEnds(table.columns);
  std::string out;
  std::string line;
  for (std::size_t start = 0; start < widths.size(); start = ends[start] + 1) {
    const std::size_t span = spanWidth(table, widths, start, ends[start]);
    if (start > 0) line.append(static_cast<std::size_t>(table.columns[start].gapBefore), ' ');
    // A lone number column's heading sits over its digits; a span's starts it.
    const bool right = table.columns[start].alignRight && ends[start] == start;
    appendCell(line, table.columns[start].heading, span, right);
  }
  endLine(out, line);
  for (const auto& row : table.rows) {
    for (std::size_t column = 0; column < widths.size(); ++column) {
      if (column > 0) line.append(static_cast<std::size_t>(table.columns[column].gapBefore), ' ');
      const std::string empty;
      appendCell(line, column < row.size() ? row[column] : empty, widths[column],
                 table.columns[column].alignRight);
    }
    endLine(out, line);
  }
  return out;
}

}  // namespace bidgauge
