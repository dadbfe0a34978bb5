#include "results/explanation.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include "evaluators/breakdown.hpp"
#include "evaluators/kleinman.hpp"
#include "hand/card_tables.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

using Explainer = Breakdown (*)(const Hand&);
constexpr std::array<Explainer, 4> kExplainers = {explainKnR, explainZar, explainKleinman,
                                                  explainCulbertson};
constexpr std::size_t kKleinman = 2;
constexpr std::string_view kWholeHandLabel = "  whole hand";

std::size_t displayWidth(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  }));
}

std::string padded(std::string text, std::size_t width) {
  const std::size_t shown = displayWidth(text);
  if (shown < width) text.append(width - shown, ' ');
  return text;
}

std::string trimmed(std::string text) {
  text.erase(0, text.find_first_not_of(' '));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// "+0.25" -> 25, "-1" -> -100: term values have at most two decimals.
int hundredthsOf(std::string_view value) {
  const bool negative = !value.empty() && value[0] == '-';
  if (!value.empty() && (value[0] == '-' || value[0] == '+')) value.remove_prefix(1);
  int whole = 0;
  int fraction = 0;
  int fractionDigits = -1;
  for (const char ch : value) {
    if (ch == '.') {
      fractionDigits = 0;
    } else if (fractionDigits < 0) {
      whole = whole * 10 + (ch - '0');
    } else if (fractionDigits < 2) {
      fraction = fraction * 10 + (ch - '0');
      ++fractionDigits;
    }
  }
  if (fractionDigits == 1) fraction *= 10;
  const int hundredths = whole * 100 + fraction;
  return negative ? -hundredths : hundredths;
}

std::string suitLabel(const Hand& hand, int suit, GlyphSet glyphs) {
  return "  " + cp437ToText(std::string(1, suitSymbol[static_cast<std::size_t>(suit)]) + " " +
                                suitDisplay(hand, suit),
                            glyphs);
}

// Kleinman's points are a third of the counted total, the remainder its quality.
std::string kleinmanTotal(const Breakdown& terms, const ResultRow& row, GlyphSet glyphs) {
  int total = 0;
  for (const BreakdownTerm& term : terms) total += hundredthsOf(term.value) / 100;
  const int points = total / 3;
  const int remainder = total - 3 * points;
  const int quality = kleinmanQuality(total);
  const char* word = quality > 0 ? "good, +" : quality < 0 ? "bad, -" : "ordinary";
  return "total " + std::to_string(total) + " / 3 = " + std::to_string(points) + ", remainder " +
         std::to_string(remainder) + " (" + word + "): " + trimmed(cp437ToText(row.text, glyphs));
}

struct Line {
  std::string label;
  std::string reason;
  std::string value;
};

std::string methodText(const Hand& hand, const ResultRow& row, const Breakdown& terms,
                       bool kleinman, GlyphSet glyphs) {
  std::vector<Line> lines;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    std::string label = suitLabel(hand, suit, glyphs);
    bool any = false;
    for (const BreakdownTerm& term : terms) {
      if (term.suit != suit) continue;
      lines.push_back({any ? "" : label, term.reason, term.value});
      any = true;
    }
    if (!any) lines.push_back({std::move(label), "nothing", ""});
  }
  bool anyWhole = false;
  for (const BreakdownTerm& term : terms) {
    if (term.suit != kWholeHand) continue;
    lines.push_back({anyWhole ? "" : std::string(kWholeHandLabel), term.reason, term.value});
    anyWhole = true;
  }

  std::size_t labelWidth = 0;
  std::size_t reasonWidth = 0;
  std::size_t valueWidth = 0;
  for (const Line& line : lines) {
    labelWidth = std::max(labelWidth, displayWidth(line.label));
    reasonWidth = std::max(reasonWidth, displayWidth(line.reason));
    valueWidth = std::max(valueWidth, line.value.size());
  }

  std::string text = trimmed(cp437ToText(row.label, glyphs)) + " " +
                     trimmed(cp437ToText(row.text, glyphs)) + (row.opens ? " *" : "") + "\n";
  for (const Line& line : lines) {
    std::string out = padded(line.label, labelWidth + 3) + padded(line.reason, reasonWidth + 2) +
                      std::string(valueWidth - line.value.size(), ' ') + line.value;
    out.erase(out.find_last_not_of(' ') + 1);
    text += out + "\n";
  }
  const std::string total = kleinman ? kleinmanTotal(terms, row, glyphs)
                                     : "total " + trimmed(cp437ToText(row.text, glyphs));
  text += std::string(labelWidth + 3, ' ') + total + "\n";
  return text;
}

}  // namespace

std::string explanationText(const Hand& hand, const ResultRows& rows, GlyphSet glyphs) {
  std::string text;
  for (std::size_t i = 0; i < kExplainers.size(); ++i) {
    text += "\n" + methodText(hand, rows[i], kExplainers[i](hand), i == kKleinman, glyphs);
  }
  text += "\n* opening count\n";
  return text;
}

}  // namespace bidgauge
