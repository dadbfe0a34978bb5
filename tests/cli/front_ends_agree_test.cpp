// The interactive panel and the batch output show the same values for a hand.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/headless.hpp"
#include "batch/batch.hpp"
#include "batch/row_format.hpp"
#include "console/scripted_console.hpp"
#include "support/hand_text.hpp"
#include "support/memory_file.hpp"
#include "support/random_hands.hpp"

namespace bidgauge {
namespace {

using testing_support::InputText;
using testing_support::OutputCapture;

constexpr int kResultsBoxColumn = 42;
constexpr char kBar = '\xB3';
constexpr char kHalf = '\xAB';

// The values columns of a batch row, as the TSV writes them.
struct Values {
  std::string knr, knrOpens, zar, zarOpens, kleinman, quality, kleinmanOpens, honorTricks,
      honorTricksOpens;
  friend bool operator==(const Values&, const Values&) = default;
};

std::ostream& operator<<(std::ostream& out, const Values& v) {
  return out << v.knr << " " << v.knrOpens << " | " << v.zar << " " << v.zarOpens << " | "
             << v.kleinman << " " << v.quality << " " << v.kleinmanOpens << " | " << v.honorTricks
             << " " << v.honorTricksOpens;
}

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? ""
                                    : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct Cells {
  std::string value;
  bool marked;
};

// The value and the mark of one row of the results box, read from the screen.
Cells resultCells(const Screen& screen, int row) {
  const std::string text = screen.rowText(row);
  const std::size_t bar = text.find(kBar, kResultsBoxColumn);
  const std::string labelAndValue = text.substr(kResultsBoxColumn, bar - kResultsBoxColumn);
  const std::string value = trimmed(labelAndValue.substr(labelAndValue.find(':') + 1));
  return {value, trimmed(text.substr(bar + 1, 3)) == "*"};
}

std::string flag(bool on) {
  return on ? "1" : "0";
}

// Reads the panel the interactive program drew for the hand typed on it.
Values panelValues(const std::string& typed) {
  ScriptedConsole console;
  console.type(typed);
  console.press(keys::enter);
  InteractiveApp app(console);
  runScript(app, console);
  const Screen& screen = console.screen();
  int first = 0;
  for (int row = 1; row <= Screen::kRows && first == 0; ++row) {
    if (screen.rowText(row).find("KnR Points:") != std::string::npos) first = row;
  }
  EXPECT_NE(first, 0) << "no results panel for " << typed;
  if (first == 0) return {};

  Values values;
  const Cells knr = resultCells(screen, first);
  values.knr = knr.value;
  values.knrOpens = flag(knr.marked);
  const Cells zar = resultCells(screen, first + 1);
  values.zar = zar.value;
  values.zarOpens = flag(zar.marked);
  Cells kleinman = resultCells(screen, first + 2);
  values.quality = "ordinary";
  if (kleinman.value.back() == '+' || kleinman.value.back() == '-') {
    values.quality = kleinman.value.back() == '+' ? "good" : "bad";
    kleinman.value.pop_back();
  }
  values.kleinman = kleinman.value;
  values.kleinmanOpens = flag(kleinman.marked);
  std::string tricks = resultCells(screen, first + 3).value;
  if (!tricks.empty() && tricks.back() == kHalf) {
    tricks.pop_back();
    tricks = (tricks.empty() ? "0" : tricks) + ".5";
  }
  values.honorTricks = tricks;
  values.honorTricksOpens = flag(resultCells(screen, first + 3).marked);
  return values;
}

std::vector<std::string> fields(const std::string& row) {
  std::vector<std::string> result;
  std::stringstream stream(row);
  for (std::string field; std::getline(stream, field, '\t');) result.push_back(field);
  return result;
}

TEST(FrontEnds, BatchRowsShowWhatTheInteractivePanelShows) {
  std::vector<std::string> hands = {"KQTxxxx Axx Tx x",  "AKT9xx - QJxxx T2",   "xxxx xxx xxx xxx",
                                    "- AKQJ5 KQJ32 AQ2", "AKQJT98765432 - - -", "Kx Qx Jxxxx Txxx"};
  RandomHands random(2024);
  while (hands.size() < 300) hands.push_back(handText(random.next()));
  std::string input;
  for (const std::string& hand : hands) input += hand + "\n";

  InputText in(input);
  OutputCapture out;
  OutputCapture err;
  ASSERT_EQ(runBatch({BatchFormat::tsv, {}, true}, {in.file(), out.file(), err.file()}),
            ExitStatus::ok)
      << err.text();
  std::stringstream rows(out.text());
  std::string row;
  std::getline(rows, row);  // the header
  for (const std::string& hand : hands) {
    ASSERT_TRUE(std::getline(rows, row)) << "no row for " << hand;
    const std::vector<std::string> f = fields(row);
    ASSERT_EQ(f.size(), 14u) << row;
    const Values batch{f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11]};
    EXPECT_EQ(f[2], handText(handFromText(hand)));
    EXPECT_EQ(batch, panelValues(hand)) << hand;
  }
}

}  // namespace
}  // namespace bidgauge
