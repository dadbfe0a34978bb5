#include "study/inline_svg.hpp"

#include <set>

namespace bidgauge {
namespace {

bool isQuote(char ch) {
  return ch == '"' || ch == '\'';
}

// Where the value of an id attribute starts at `at` (" id='...'"), or 0.
std::size_t idValueAt(std::string_view svg, std::size_t at) {
  constexpr std::string_view kId = "id=";
  if (at == 0 || !svg.substr(at).starts_with(kId)) return 0;
  const char before = svg[at - 1];
  const std::size_t quote = at + kId.size();
  const bool attribute = before == ' ' || before == '\t' || before == '\n';
  return attribute && quote < svg.size() && isQuote(svg[quote]) ? quote + 1 : 0;
}

std::set<std::string, std::less<>> idsOf(std::string_view svg) {
  std::set<std::string, std::less<>> ids;
  for (std::size_t at = svg.find("id="); at != std::string_view::npos;
       at = svg.find("id=", at + 1)) {
    const std::size_t value = idValueAt(svg, at);
    if (value == 0) continue;
    const std::size_t end = svg.find(svg[value - 1], value);
    if (end != std::string_view::npos) ids.emplace(svg.substr(value, end - value));
  }
  return ids;
}

// The id a "#name" reference at `hash` names, when it is one of `ids`.
bool refersToId(std::string_view svg, std::size_t hash,
                const std::set<std::string, std::less<>>& ids) {
  const std::size_t end = svg.find_first_of("'\")", hash + 1);
  return end != std::string_view::npos && ids.contains(svg.substr(hash + 1, end - hash - 1));
}

}  // namespace

std::string inlineSvg(std::string_view svg, std::string_view idPrefix) {
  const std::size_t start = svg.find("<svg");
  if (start != std::string_view::npos) svg.remove_prefix(start);
  const auto ids = idsOf(svg);
  std::string out;
  out.reserve(svg.size() + svg.size() / 8);
  for (std::size_t at = 0; at < svg.size(); ++at) {
    out += svg[at];
    const bool reference = svg[at] == '#' && refersToId(svg, at, ids);
    if (reference || (svg[at] == '=' && at >= 2 && idValueAt(svg, at - 2) != 0)) {
      if (!reference) out += svg[++at];  // the opening quote
      out += idPrefix;
    }
  }
  return out;
}

}  // namespace bidgauge
