// Faults the real program has to survive in an emulated terminal: signals,
// a terminal that goes away under it, keys faster than it draws, and resizes
// while it waits for an answer. The screens expected come from the program's
// own core, run on the same keys with a scripted console.

#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <fstream>
#include <optional>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/interactive_app.hpp"
#include "console/console.hpp"
#include "console/screen.hpp"
#include "console/scripted_console.hpp"
#include "e2e/pty_terminal.hpp"
#include "e2e/screen_checks.hpp"
#include "hand/cp437.hpp"

namespace bidgauge::e2e {
namespace {

using namespace std::chrono_literals;
using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

// What the Backspace key sends in this terminal; the program reads it as Backspace.
constexpr char kDel = '\x7F';
const std::string kDelText(1, kDel);

// Keys as the terminal sends them, written to it in one go.
using Burst = std::string;

std::string times(std::string_view text, int count) {
  std::string result;
  for (int i = 0; i < count; ++i) result += text;
  return result;
}

std::string keyText(char byte) {
  return byte == kDel ? keys::backspace.text() : std::string(1, byte);
}

struct ModelRun {
  Screen screen;
  int dropped = 0;  // keys typed ahead of a prompt or error bar, which discards them
};

// What the program shows once it has taken in the bursts and waits for more.
// Each burst is handed over only once the program has used up or thrown away
// every key before it, which is when the tests write the next one. A burst
// counts as typed ahead, so a flush discards what is left of it, as on the
// terminal, where the whole burst waits in the input queue.
ModelRun runModel(const std::vector<Burst>& bursts) {
  ScriptedConsole console;
  InteractiveApp app(console);
  app.start();
  for (const Burst& burst : bursts) {
    for (const char byte : burst) console.typeAhead(Key::fromText(keyText(byte)));
    while (const std::optional<Key> key = console.nextKey()) {
      if (!app.handle(*key)) break;
    }
  }
  return {console.screen(), console.discarded()};
}

std::vector<Burst> firstBursts(const std::vector<Burst>& bursts, std::size_t count) {
  return {bursts.begin(), bursts.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::string modelRow(const Screen& model, int row) {
  return cp437ToUtf8(model.rowText(row));
}

// The terminal's rows first..last show the model's rows first - shift ..
// last - shift cell by cell: glyph, foreground and background.
AssertionResult showsRows(const PtyTerminal& terminal, const Screen& model, int first, int last,
                          int shift) {
  for (int row = first; row <= last; ++row) {
    const int from = row - shift;
    for (int column = 1; column <= Screen::kColumns; ++column) {
      const bidgauge::Cell& want = model.cell(from, column);
      const Cell got = terminal.cell(row, column);
      const std::string glyph = cp437ToUtf8(std::string_view(&want.ch, 1));
      if (got.text != glyph || dosColor(got.fg) != want.foreground() ||
          dosColor(got.bg) != want.background() || got.bold || got.reverse) {
        return AssertionFailure() << "row " << row << " column " << column << ": expected \""
                                  << glyph << "\" fg " << want.foreground() << " bg "
                                  << want.background() << ", found \"" << got.text << "\" palette "
                                  << got.fg << "/" << got.bg << (got.bold ? " bold" : "")
                                  << (got.reverse ? " reverse" : "") << "\nexpected row: |"
                                  << modelRow(model, from) << "|\nfound row:    |"
                                  << terminal.rowText(row) << "|";
      }
    }
  }
  return AssertionSuccess();
}

// The terminal shows exactly the model: every cell, the cursor and whether it is visible.
AssertionResult showsModel(const PtyTerminal& terminal, const Screen& model) {
  const TerminalSize size = terminal.size();
  if (size.columns != Screen::kColumns || size.rows != Screen::kRows) {
    return AssertionFailure() << "the terminal is " << size.columns << "x" << size.rows;
  }
  if (AssertionResult rows = showsRows(terminal, model, 1, Screen::kRows, 0); !rows) return rows;
  const Position cursor{model.cursorRow(), model.cursorColumn()};
  if (terminal.cursor() != cursor || terminal.cursorVisible() != model.cursorVisible()) {
    return AssertionFailure() << "cursor at " << terminal.cursor().row << ","
                              << terminal.cursor().column
                              << (terminal.cursorVisible() ? "" : " (hidden)") << ", expected "
                              << cursor.row << "," << cursor.column
                              << (model.cursorVisible() ? "" : " (hidden)");
  }
  return AssertionSuccess();
}

AssertionResult eventuallyShows(PtyTerminal& terminal, const Screen& model) {
  return eventually(
      terminal, [&] { return showsModel(terminal, model); }, kWait);
}

// Writes each burst in one go once the program shows what its core shows
// after the bursts before it, and checks the screen after the last one. A
// burst may lead back to the screen it started from (help, then the title
// screen), so the program must also have written something since: every
// burst has to change the screen or at least ring the bell.
AssertionResult playBursts(PtyTerminal& terminal, const std::vector<Burst>& bursts) {
  std::size_t sent = terminal.bytesReceived();
  for (std::size_t done = 0; done <= bursts.size(); ++done) {
    const Screen expected = runModel(firstBursts(bursts, done)).screen;
    AssertionResult shown = eventually(
        terminal,
        [&] {
          if (done > 0 && terminal.bytesReceived() == sent) {
            return AssertionFailure() << "no output since the last burst";
          }
          return showsModel(terminal, expected);
        },
        kWait);
    if (!shown) return shown << "\nafter " << done << " of " << bursts.size() << " bursts";
    if (done < bursts.size()) {
      sent = terminal.bytesReceived();
      terminal.sendBytes(bursts[done]);
    }
  }
  return AssertionSuccess();
}

PtyTerminal startProgram() {
  return PtyTerminal({BIDGAUGE_PROGRAM});
}

// The notice of a too small terminal names the size needed and the size it has.
AssertionResult noticeShown(const PtyTerminal& terminal, TerminalSize size) {
  const std::string text = terminal.screenText();
  for (const auto& [columns, rows] :
       {std::pair{Screen::kColumns, Screen::kRows}, std::pair{size.columns, size.rows}}) {
    const std::regex pattern(std::to_string(columns) + R"(\s*(x|×|columns\s+by)\s*)" +
                             std::to_string(rows));
    if (!std::regex_search(text, pattern)) {
      return AssertionFailure() << "the screen does not mention " << columns << "x" << rows;
    }
  }
  return AssertionSuccess();
}

// The state and the processor time used so far, from /proc; nothing once
// the process is reaped.
struct ProcessState {
  char state = '?';
  long cpuTicks = 0;
};

std::optional<ProcessState> processState(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(file, line)) return std::nullopt;
  // The command name may hold blanks and parentheses: fields count from its end.
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  ProcessState result;
  std::string skipped;
  long userTicks = 0;
  long systemTicks = 0;
  fields >> result.state;
  for (int field = 4; field <= 13; ++field) fields >> skipped;
  fields >> userTicks >> systemTicks;
  result.cpuTicks = userTicks + systemTicks;
  return result;
}

template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& test) {
  return test.param.name;
}

// Test listings name the case instead of dumping its bytes; the constraint
// makes this more specialised than GoogleTest's own PrintTo.
template <typename Case>
requires requires(const Case& test) {
  test.name;
}
void PrintTo(const Case& test, std::ostream* out) {
  *out << test.name;
}

bool processGone(pid_t pid) {
  return kill(pid, 0) != 0 && errno == ESRCH;
}

// ---------------------------------------------------------------------------
// Signals while the program waits for a key.

struct SignalCase {
  const char* name;
  int signal;
  std::vector<Burst> keys;
};

class SignalTest : public ::testing::TestWithParam<SignalCase> {};

TEST_P(SignalTest, EndsWithStatusZeroAndLeavesTheLastScreenOnTheNormalScreen) {
  const SignalCase& param = GetParam();
  PtyTerminal terminal = startProgram();
  ASSERT_TRUE(playBursts(terminal, param.keys));
  const Screen last = runModel(param.keys).screen;

  terminal.sendSignal(param.signal);
  ASSERT_EQ(terminal.waitForExit(kWait), 0) << terminal.dump();

  EXPECT_FALSE(terminal.altScreen());
  EXPECT_TRUE(terminal.cursorVisible());
  const termios modes = terminal.terminalModes();
  EXPECT_EQ(modes.c_lflag & (ICANON | ECHO | ISIG), tcflag_t{ICANON | ECHO | ISIG});
  EXPECT_EQ(modes.c_iflag & ICRNL, tcflag_t{ICRNL});

  // The rows are printed one below the other from the top; the newline
  // after the last may scroll the first one away.
  AssertionResult printed = showsRows(terminal, last, 1, Screen::kRows, 0);
  if (!printed) printed = showsRows(terminal, last, 1, Screen::kRows - 1, -1);
  EXPECT_TRUE(printed) << terminal.dump();
}

INSTANTIATE_TEST_SUITE_P(Faults, SignalTest,
                         ::testing::Values(SignalCase{"TermWhileTyping", SIGTERM, {"akq"}},
                                           SignalCase{"HangUpWhileTyping", SIGHUP, {"akq", "jt"}},
                                           SignalCase{"TermOnAnErrorBar", SIGTERM, {"akq\r"}},
                                           SignalCase{"HangUpInTheHelp", SIGHUP, {"hm"}}),
                         caseName<SignalCase>);

// ---------------------------------------------------------------------------
// The terminal closed under the program.

struct HangUpCase {
  const char* name;
  std::vector<std::string> command;
};

class HangUpTest : public ::testing::TestWithParam<HangUpCase> {};

TEST_P(HangUpTest, EndsWithoutSpinningAndLeavesNoProcess) {
  PtyTerminal terminal(GetParam().command);
  ASSERT_TRUE(playBursts(terminal, {"akq"}));
  const pid_t pid = terminal.pid();
  const std::optional<ProcessState> before = processState(pid);
  ASSERT_TRUE(before);

  terminal.closeMaster();
  // Not reaped yet: a zombie still tells how much processor time it used.
  const auto deadline = std::chrono::steady_clock::now() + kWait;
  std::optional<ProcessState> after = processState(pid);
  while (after && after->state != 'Z' && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(5ms);
    after = processState(pid);
  }
  ASSERT_TRUE(after);
  const long ticksPerSecond = sysconf(_SC_CLK_TCK);
  const long used = after->cpuTicks - before->cpuTicks;
  ASSERT_EQ(after->state, 'Z') << "still running after the hang-up, having used " << used
                               << " ticks of processor time (" << ticksPerSecond
                               << " a second) meanwhile";
  // Finding the terminal gone takes a few reads, not a busy loop.
  EXPECT_LT(used, ticksPerSecond) << "ticks used after the hang-up";

  EXPECT_EQ(terminal.waitForExit(kWait), 0);
  EXPECT_TRUE(processGone(pid));
  // Nothing it started lives on in its process group.
  EXPECT_TRUE(processGone(-pid));
}

INSTANTIATE_TEST_SUITE_P(Faults, HangUpTest,
                         ::testing::Values(HangUpCase{"WithTheHangUpSignal", {BIDGAUGE_PROGRAM}},
                                           // Only the dead terminal tells it to stop.
                                           HangUpCase{"WithTheHangUpSignalIgnored",
                                                      {"/bin/sh", "-c", R"(trap '' HUP; exec "$0")",
                                                       BIDGAUGE_PROGRAM}}),
                         caseName<HangUpCase>);

// ---------------------------------------------------------------------------
// Keys arriving faster than the program draws.

// Hands typed and taken back key by key, with refused and ignored keys between
// them; nothing in it shows an error bar, which would discard the rest.
Burst editingBurst() {
  const std::string ctrlC = "\x03";
  const std::vector<std::string> hands = {
      "akt9xx -- qjxxx  t2",              // the help's example hand
      "Z./" + ctrlC + "kqj- -a akq1 x0",  // refused keys, voids, tens as 1 and 0
      "-  -  - 5432.",                    // three voids, doubled separators
      "xxxXXXxxxXXX A",                   // spot cards in both cases
      "JT98765 432 a k",                  // a long suit
      "a" + kDelText + "-" + kDelText + "k " + times(kDelText, 3),  // single keys taken back
  };
  const std::string erase = times(kDelText, 20);  // more than typed: the last ones are refused
  Burst burst;
  for (const std::string& hand : hands) burst += hand + erase;
  return burst + "akqjx kx - 5432xx\r";  // a complete hand at last
}

TEST(KeyBurst, TwoHundredKeysInOneWriteAreAllHandledInOrder) {
  const std::vector<Burst> bursts = {editingBurst()};
  ASSERT_GE(bursts.front().size(), 200u);
  ASSERT_EQ(runModel(bursts).dropped, 0) << "the burst must not show an error bar";
  PtyTerminal terminal = startProgram();
  EXPECT_TRUE(playBursts(terminal, bursts));
}

struct BurstCase {
  const char* name;
  std::vector<Burst> bursts;
  int dropped;  // keys typed ahead of a prompt or error bar, which discards them
};

class KeyBurstTest : public ::testing::TestWithParam<BurstCase> {};

TEST_P(KeyBurstTest, ScreenEqualsTheCoreRunOnTheSameKeys) {
  const BurstCase& param = GetParam();
  ASSERT_EQ(runModel(param.bursts).dropped, param.dropped);
  PtyTerminal terminal = startProgram();
  EXPECT_TRUE(playBursts(terminal, param.bursts));
}

// Each burst ends where the program stops to show something: an error bar,
// a new prompt, a help page or the quit prompt. The key after an error bar
// only dismisses it.
INSTANTIATE_TEST_SUITE_P(
    Faults, KeyBurstTest,
    ::testing::Values(BurstCase{"EveryEntryError",
                                {"akq\r",            // only 3 cards
                                 "Zjt9 kqk",         // duplicate king of hearts
                                 "\r 5432 23",       // a 14th card
                                 "x\r",              // complete
                                 "akqjt98765432\r",  // only 1 suit
                                 "Q" + times(kDelText, 3) + " x x- -\r",  // only 12 cards
                                 "Z" + times(kDelText, 4) + " - x ",      // a fifth suit
                                 "z" + times(kDelText, 25) + "\r",  // Enter on nothing: a beep only
                                 "-\r"},                            // only 0 cards
                                0},
                      BurstCase{"HandsUntilTheScreenScrolls",
                                {"akqjx kx - 5432xx\r", "kqjt9 akx xx xxx\r",
                                 "- akqjt987654 32 -\r", "xxxx xxx xxx xxx\r", "a98 kqx 765x jt4\r",
                                 "xxx kqj\r",  // an error bar low on the screen
                                 "Z xxx xxxx\r", "q\r"},
                                0},
                      BurstCase{
                          "HelpPagesThenQuitPromptAnsweredNo",
                          {"h" + times("M", 11) + "\r\rbZ",  // past the last page and back to 9
                           "Q",                              // the title screen again
                           "akE",                            // the quit prompt
                           "Z/n",                            // refused keys, then no
                           "kq\x1B",                         // Escape last: nothing follows it
                           "n"},
                          0},
                      BurstCase{"KeysTypedAheadOfANewPromptAreDiscarded",
                                {"akqjx kx - 5432xx\rakt9xx -- qjxxx  t2\r", "a"},
                                20},
                      BurstCase{"KeysTypedAheadOfAnErrorBarAreDiscarded", {"a\rkq", "j", "k"}, 2}),
    caseName<BurstCase>);

// ---------------------------------------------------------------------------
// Resizes while the program waits for an answer.

struct ResizeCase {
  const char* name;
  std::vector<Burst> before;  // keys that bring up what the program waits on
  std::vector<Burst> after;   // keys once the terminal is big again
};

class ResizeTest : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeTest, NoticeWhileSmallThenTheSameScreenAndTheNextKeyCarriesOn) {
  const ResizeCase& param = GetParam();
  PtyTerminal terminal = startProgram();
  ASSERT_TRUE(playBursts(terminal, param.before));

  const TerminalSize small{60, 20};
  terminal.resize(small.columns, small.rows);
  ASSERT_TRUE(eventually(
      terminal, [&] { return noticeShown(terminal, small); }, kWait));
  terminal.resize(Screen::kColumns, Screen::kRows);
  ASSERT_TRUE(eventuallyShows(terminal, runModel(param.before).screen));

  std::vector<Burst> all = param.before;
  for (const Burst& burst : param.after) {
    all.push_back(burst);
    terminal.sendBytes(burst);
    ASSERT_TRUE(eventuallyShows(terminal, runModel(all).screen)) << "after \"" << burst << "\"";
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, ResizeTest,
                         ::testing::Values(
                             // The K only dismisses the bar; the J then counts.
                             ResizeCase{"OnAnErrorBar", {"akq\r"}, {"k", "j"}},
                             ResizeCase{"OnTheQuitPrompt", {"akq\x1B"}, {"n", "a"}},
                             ResizeCase{"OnAHelpPage", {"hm"}, {"m", "q"}}),
                         caseName<ResizeCase>);

}  // namespace
}  // namespace bidgauge::e2e
