#include "study/game_tricks.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "batch/blanks.hpp"
#include "batch/deal.hpp"
#include "study/tricks_cache.hpp"

namespace bidgauge {
namespace {

constexpr int kMostTricks = 13;

// The text's parts between semicolons.
std::vector<std::string_view> fieldsOf(std::string_view text) {
  std::vector<std::string_view> fields;
  for (std::size_t pos = 0; pos <= text.size();) {
    const std::size_t end = std::min(text.find(';', pos), text.size());
    fields.push_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  return fields;
}

// The text's words between blanks.
std::vector<std::string_view> wordsOf(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t pos = 0; pos < text.size();) {
    if (isBlank(text[pos])) {
      ++pos;
      continue;
    }
    const std::size_t begin = pos;
    while (pos < text.size() && !isBlank(text[pos])) ++pos;
    words.push_back(text.substr(begin, pos - begin));
  }
  return words;
}

bool sameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto upper = [](char ch) { return ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch; };
    if (upper(a[i]) != upper(b[i])) return false;
  }
  return true;
}

// The strain a table names: NT, S, H, D or C in either case; -1 otherwise.
int strainOf(std::string_view name) {
  static constexpr std::array<std::string_view, kStrainCount> kNames = {"S", "H", "D", "C", "NT"};
  for (std::size_t strain = 0; strain < kNames.size(); ++strain) {
    if (sameLetters(name, kNames[strain])) return static_cast<int>(strain);
  }
  return -1;
}

std::optional<int> tricksOf(std::string_view text) {
  const std::optional<long> number = boardNumber(text);
  if (!number || *number > kMostTricks) return std::nullopt;
  return static_cast<int>(*number);
}

// Fills in the numbers `from` gives that `into` does not know yet.
void fillUnknown(DealTricks& into, const DealTricks& from) {
  for (std::size_t strain = 0; strain < into.tricks.size(); ++strain) {
    for (std::size_t seat = 0; seat < into.tricks[strain].size(); ++seat) {
      std::int8_t& tricks = into.tricks[strain][seat];
      if (tricks < 0) tricks = from.tricks[strain][seat];
    }
  }
}

// The columns of a table tag's value ("Declarer;Denomination\2R;Result\2R"),
// each without its layout after the backslash.
struct TableColumns {
  int declarer = -1;
  int denomination = -1;
  int result = -1;
  std::size_t count = 0;
};

TableColumns columnsOf(std::string_view value) {
  TableColumns columns;
  const std::vector<std::string_view> names = fieldsOf(value);
  columns.count = names.size();
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string_view name = trimmedBlanks(names[i].substr(0, names[i].find('\\'))).text;
    const int column = static_cast<int>(i);
    if (name == "Declarer") columns.declarer = column;
    if (name == "Denomination") columns.denomination = column;
    if (name == "Result") columns.result = column;
  }
  return columns;
}

DealTricks tableTricks(const GameTag& tag, std::vector<TagProblem>& problems) {
  DealTricks tricks;
  const TableColumns columns = columnsOf(tag.value);
  if (columns.declarer < 0 || columns.denomination < 0 || columns.result < 0) {
    problems.push_back({tag.line, std::string(kOptimumResultTableTag) +
                                      " tag without the columns Declarer, Denomination and "
                                      "Result: passed over"});
    return tricks;
  }
  for (const std::string& row : tag.section) {
    const std::vector<std::string_view> cells = wordsOf(row);
    if (cells.size() != columns.count) continue;
    const auto cell = [&cells](int column) { return cells[static_cast<std::size_t>(column)]; };
    const std::string_view declarer = cell(columns.declarer);
    const int seat = declarer.size() == 1 ? seatIndex(declarer[0]) : -1;
    const int strain = strainOf(cell(columns.denomination));
    const std::optional<int> taken = tricksOf(cell(columns.result));
    if (seat < 0 || strain < 0 || !taken) {
      // "-" is a result not known; anything else is no result at all.
      if (cell(columns.result) != "-" || seat < 0 || strain < 0) {
        problems.push_back(
            {tag.line, std::string(kOptimumResultTableTag) + " row \"" + row + "\" passed over"});
      }
      continue;
    }
    tricks.tricks[static_cast<std::size_t>(strain)][static_cast<std::size_t>(seat)] =
        static_cast<std::int8_t>(*taken);
  }
  return tricks;
}

}  // namespace

DealTricks tricksOfTags(std::span<const GameTag> tags, std::vector<TagProblem>& problems) {
  DealTricks tricks;
  for (const GameTag& tag : tags) {
    if (tag.name == kDoubleDummyTricksTag) {
      if (const std::optional<DealTricks> given = readTricksField(trimmedBlanks(tag.value).text)) {
        fillUnknown(tricks, *given);
      } else {
        problems.push_back({tag.line, "malformed " + std::string(kDoubleDummyTricksTag) +
                                          " tag: 20 characters 0-9, a-d or '-' expected"});
      }
    } else if (tag.name == kOptimumResultTableTag) {
      fillUnknown(tricks, tableTricks(tag, problems));
    }
  }
  return tricks;
}

}  // namespace bidgauge
