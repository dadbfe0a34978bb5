// The --explain text: the terms of known hands, worked out by hand from the
// published rules of each method, and the layout that lines them up.
#include "results/explanation.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "evaluators/evaluation.hpp"
#include "support/hand_text.hpp"
#include "support/random_hands.hpp"

namespace bidgauge {
namespace {

std::string explanationOf(const Hand& hand) {
  return explanationText(hand, resultRows(evaluateAll(hand)));
}

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    lines.emplace_back(text.substr(start, end - start));
    start = end == std::string_view::npos ? text.size() : end + 1;
  }
  return lines;
}

// The lines of one method: its heading (which starts with `name`) and the lines
// up to the blank line after it.
std::vector<std::string> sectionOf(std::string_view text, std::string_view name) {
  std::vector<std::string> section;
  for (const std::string& line : linesOf(text)) {
    if (section.empty() && line.rfind(name, 0) != 0) continue;
    if (line.empty()) break;
    section.push_back(line);
  }
  return section;
}

// One line of terms: the suit label (on the first line of a suit only), the
// reason and the value. Columns are set apart by two blanks or more.
struct Term {
  std::string label;
  std::string reason;
  std::string value;
  friend bool operator==(const Term&, const Term&) = default;
};

std::ostream& operator<<(std::ostream& out, const Term& term) {
  return out << "{\"" << term.label << "\", \"" << term.reason << "\", \"" << term.value << "\"}";
}

std::vector<std::string> columnsOf(std::string_view line) {
  std::vector<std::string> columns;
  std::size_t at = line.find_first_not_of(' ');
  while (at != std::string_view::npos) {
    const std::size_t end = line.find("  ", at);
    columns.emplace_back(line.substr(at, end - at));
    at = end == std::string_view::npos ? end : line.find_first_not_of(' ', end);
  }
  return columns;
}

bool isValue(std::string_view text) {
  return !text.empty() && (text[0] == '+' || text[0] == '-');
}

// The term lines of a section: all but its heading and its total.
std::vector<Term> termsOf(const std::vector<std::string>& section) {
  std::vector<Term> terms;
  for (std::size_t i = 1; i + 1 < section.size(); ++i) {
    const std::vector<std::string> columns = columnsOf(section[i]);
    if (columns.size() == 3) {
      terms.push_back({columns[0], columns[1], columns[2]});
    } else if (columns.size() == 2 && isValue(columns[1])) {
      terms.push_back({"", columns[0], columns[1]});
    } else if (columns.size() == 2) {
      terms.push_back({columns[0], columns[1], ""});
    } else {
      ADD_FAILURE() << "not a term line: " << section[i];
    }
  }
  return terms;
}

std::string totalOf(const std::vector<std::string>& section) {
  const std::vector<std::string> columns = columnsOf(section.back());
  return columns.size() == 1 ? columns[0] : "";
}

// "+3.5" -> 350, "-0.25" -> -25, "12.20" -> 1220, "2½" -> 250.
int hundredthsOf(std::string_view text) {
  const bool negative = !text.empty() && text[0] == '-';
  if (isValue(text)) text.remove_prefix(1);
  int whole = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    whole = 10 * whole + text[i] - '0';
  int fraction = 0;
  const std::string_view rest = text.substr(i);
  if (rest == "½") {
    fraction = 50;
  } else if (!rest.empty() && rest[0] == '.') {
    const std::string digits = std::string(rest.substr(1)) + "00";
    fraction = 10 * (digits[0] - '0') + (digits[1] - '0');
  }
  const int hundredths = 100 * whole + fraction;
  return negative ? -hundredths : hundredths;
}

std::size_t displayWidth(std::string_view utf8) {
  std::size_t width = 0;
  for (const char byte : utf8) width += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return width;
}

constexpr std::string_view kPageFiveHand = "764 AQJ74 42 A83";
constexpr std::string_view kLongSpades = "KQTxxxx Axx Tx x";

TEST(ExplanationKnr, CountsTheHandOfTheHelpPage) {
  const auto section = sectionOf(explanationOf(handFromText(kPageFiveHand)), "KnR");
  ASSERT_GE(section.size(), 2u);
  EXPECT_EQ(section.front(), "KnR Points: 12.20 *");
  const std::vector<Term> expected = {
      {"♠ 7 6 4", "nothing", ""},
      {"♥ A Q J 7 4", "high cards A Q J, 7 x 5 / 10", "+3.5"},
      {"", "honour value: Ace", "+3"},
      {"", "honour value: Queen with Ace or King", "+1"},
      {"", "honour value: Jack with two higher honours", "+0.5"},
      {"♦ 4 2", "distribution: doubleton", "+1"},
      {"♣ A 8 3", "high cards A, 4 x 3 / 10", "+1.2"},
      {"", "honour value: Ace", "+3"},
      {"whole hand", "first distribution point discounted", "-1"},
  };
  EXPECT_EQ(termsOf(section), expected);
  EXPECT_EQ(totalOf(section), "total 12.20");
}

TEST(ExplanationKnr, CountsALongSuitWithoutItsJackAndTheShortSuits) {
  const auto section = sectionOf(explanationOf(handFromText(kLongSpades)), "KnR");
  ASSERT_GE(section.size(), 2u);
  EXPECT_EQ(section.front(), "KnR Points: 14.10 *");
  const std::vector<Term> expected = {
      {"♠ K Q 10 x x x x", "high cards K Q T, 5.5 x 7 / 10", "+3.85"},
      {"", "swallow: Jack missing, 1 x 7 / 10", "+0.7"},
      {"", "honour value: King", "+2"},
      {"", "honour value: Queen with Ace or King", "+1"},
      {"", "honour value: Ten with two higher honours", "+0.25"},
      {"♥ A x x", "high cards A, 4 x 3 / 10", "+1.2"},
      {"", "honour value: Ace", "+3"},
      {"♦ 10 x", "distribution: doubleton", "+1"},
      {"", "high cards T, 0.5 x 2 / 10", "+0.1"},
      {"♣ x", "distribution: singleton", "+2"},
      {"whole hand", "first distribution point discounted", "-1"},
  };
  EXPECT_EQ(termsOf(section), expected);
  EXPECT_EQ(totalOf(section), "total 14.10");
}

TEST(ExplanationZar, CountsShapeControlsAndConcentration) {
  const auto section = sectionOf(explanationOf(handFromText(kPageFiveHand)), "Zar");
  ASSERT_GE(section.size(), 2u);
  EXPECT_EQ(section.front(), "Zar Points: 27 *");
  const std::vector<Term> expected = {
      {"♠ 7 6 4", "nothing", ""},
      {"♥ A Q J 7 4", "high cards A Q J", "+7"},
      {"", "controls A", "+2"},
      {"♦ 4 2", "nothing", ""},
      {"♣ A 8 3", "high cards A", "+4"},
      {"", "controls A", "+2"},
      {"whole hand", "shape 5-3-3-2: 5 + 3 + (5 - 2)", "+11"},
      {"", "concentration: 11 points in 2 suits", "+1"},
  };
  EXPECT_EQ(termsOf(section), expected);
  EXPECT_EQ(totalOf(section), "total 27");

  const auto longSpades = sectionOf(explanationOf(handFromText(kLongSpades)), "Zar");
  ASSERT_GE(longSpades.size(), 2u);
  EXPECT_EQ(longSpades.front(), "Zar Points: 28 *");
  EXPECT_EQ(termsOf(longSpades).back(),
            (Term{"whole hand", "shape 7-3-2-1: 7 + 3 + (7 - 1)", "+16"}));
}

TEST(ExplanationKleinman, DividesTheTotalByThreeAndNamesTheRemainder) {
  const auto good = sectionOf(explanationOf(handFromText(kPageFiveHand)), "Kleinman");
  ASSERT_GE(good.size(), 2u);
  EXPECT_EQ(good.front(), "Kleinman Points: 11+ *");
  const std::vector<Term> expected = {
      {"♠ 7 6 4", "nothing", ""},         {"♥ A Q J 7 4", "high cards A Q J", "+20"},
      {"", "Ace supports Q J", "+2"},     {"♦ 4 2", "nothing", ""},
      {"♣ A 8 3", "high cards A", "+13"},
  };
  EXPECT_EQ(termsOf(good), expected);
  EXPECT_EQ(totalOf(good), "total 35 / 3 = 11, remainder 2 (good, +): 11+");

  const auto bad = sectionOf(explanationOf(handFromText(kLongSpades)), "Kleinman");
  ASSERT_GE(bad.size(), 2u);
  EXPECT_EQ(bad.front(), "Kleinman Points: 10-");
  EXPECT_EQ(totalOf(bad), "total 30 / 3 = 10, remainder 0 (bad, -): 10-");

  const auto ordinary = sectionOf(explanationOf(handFromText("Axxx xxxx xxx xx")), "Kleinman");
  ASSERT_GE(ordinary.size(), 2u);
  EXPECT_EQ(totalOf(ordinary), "total 13 / 3 = 4, remainder 1 (ordinary): 4");
}

TEST(ExplanationCulbertson, CountsPlusValuesOnlyInPairs) {
  const auto section = sectionOf(explanationOf(handFromText(kPageFiveHand)), "Honor Tricks");
  ASSERT_GE(section.size(), 2u);
  EXPECT_EQ(section.front(), "Honor Tricks: 2½ *");
  const std::vector<Term> expected = {
      {"♠ 7 6 4", "nothing", ""},
      {"♥ A Q J 7 4", "honour tricks: A Q", "+1.5"},
      {"", "plus-value: J with A Q", "+0.25"},
      {"♦ 4 2", "nothing", ""},
      {"♣ A 8 3", "honour tricks: A", "+1"},
      {"whole hand", "odd plus-value dropped", "-0.25"},
  };
  EXPECT_EQ(termsOf(section), expected);
  EXPECT_EQ(totalOf(section), "total 2½");
}

TEST(ExplanationLayout, ListsTheMethodsInOrderAndMarksOpeningCounts) {
  const std::string text = explanationOf(handFromText(kLongSpades));
  std::vector<std::string> headings;
  const std::vector<std::string> lines = linesOf(text);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].empty()) headings.push_back(lines[i + 1]);
  }
  EXPECT_EQ(headings, (std::vector<std::string>{"KnR Points: 14.10 *", "Zar Points: 28 *",
                                                "Kleinman Points: 10-", "Honor Tricks: 2",
                                                "* opening count"}));
  EXPECT_EQ(text.front(), '\n');
  EXPECT_TRUE(text.ends_with("\n\n* opening count\n"));
}

TEST(ExplanationLayout, ShowsEverySuitEvenAVoid) {
  const auto section = sectionOf(explanationOf(handFromText("AKQJT98765432 - - -")), "Zar");
  const std::vector<Term> terms = termsOf(section);
  std::vector<std::string> labels;
  for (const Term& term : terms) {
    if (!term.label.empty()) labels.push_back(term.label);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"♠ A K Q J 10 9 8 7 6 5 4 3 2", "♥ ───", "♦ ───",
                                              "♣ ───", "whole hand"}));
}

// Reasons start in one column and values end in one column, the total under the reasons.
TEST(ExplanationLayout, LinesUpReasonsAndValues) {
  for (const std::string_view hand :
       {kPageFiveHand, kLongSpades, std::string_view("- AKQJ AKQJ AKQJT")}) {
    const std::string text = explanationOf(handFromText(hand));
    for (const std::string_view name : {"KnR", "Zar", "Kleinman", "Honor"}) {
      SCOPED_TRACE(std::string(hand) + " " + std::string(name));
      const auto section = sectionOf(text, name);
      ASSERT_GE(section.size(), 6u);
      const std::size_t totalColumn = section.back().find_first_not_of(' ');
      std::size_t valueEnd = 0;
      for (std::size_t i = 1; i + 1 < section.size(); ++i) {
        const std::string& line = section[i];
        const std::vector<std::string> columns = columnsOf(line);
        const std::string& reason =
            columns.size() == 3 || !isValue(columns.back()) ? columns[1] : columns[0];
        const std::size_t reasonAt = line.find(reason);
        EXPECT_EQ(displayWidth(line.substr(0, reasonAt)), totalColumn) << line;
        if (!isValue(columns.back())) continue;
        if (valueEnd == 0) valueEnd = displayWidth(line);
        EXPECT_EQ(displayWidth(line), valueEnd) << line;
      }
    }
  }
}

// Whatever the hand, the terms add up to the value in the heading.
TEST(ExplanationTotals, TermsAddUpToTheValueShown) {
  RandomHands hands(20261207);
  for (int i = 0; i < 300; ++i) {
    const Hand hand = hands.next();
    const std::string text = explanationOf(hand);
    for (const std::string_view name : {"KnR", "Zar", "Honor"}) {
      const auto section = sectionOf(text, name);
      ASSERT_GE(section.size(), 2u);
      int sum = 0;
      for (const Term& term : termsOf(section)) sum += hundredthsOf(term.value);
      const std::string heading = section.front();
      const std::string shown = columnsOf(heading.substr(heading.find(':') + 1)).at(0);
      ASSERT_EQ(sum, hundredthsOf(shown.substr(0, shown.find(' ')))) << text;
    }
    const auto kleinman = sectionOf(text, "Kleinman");
    int sum = 0;
    for (const Term& term : termsOf(kleinman)) sum += hundredthsOf(term.value);
    ASSERT_EQ(totalOf(kleinman).rfind("total " + std::to_string(sum / 100) + " / 3 = ", 0), 0u)
        << text;
  }
}

}  // namespace
}  // namespace bidgauge
