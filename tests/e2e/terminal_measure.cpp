// Measures the real program in an emulated 80x25 xterm: the bytes it writes
// for an echoed key, an error bar and a results panel, the processor time it
// uses while idle, its start-up time and its peak memory.
//
// Usage: terminal_measure [PROGRAM] [--runs N] [--idle SECONDS]
// Exit status: 0 when every target is met, 1 when one is missed, 2 when the
// program could not be measured.

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "e2e/pty_terminal.hpp"

namespace bidgauge::e2e {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kWait = 5s;
// Output counts as finished once the program has been silent this long.
constexpr auto kQuiet = 100ms;

constexpr Position kEntry{5, 19};

// The targets.
constexpr std::size_t kMaxEchoBytes = 16;
constexpr long kMaxIdleTicks = 0;
constexpr double kMaxStartUpMs = 20.0;
constexpr long kMaxPeakKb = 8 * 1024;

struct Options {
  std::string program;
  int runs = 20;
  int idleSeconds = 5;
};

Options parseOptions(int argc, char** argv) {
  Options options;
#ifdef BIDGAUGE_PROGRAM
  options.program = BIDGAUGE_PROGRAM;
#endif
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if ((arg == "--runs" || arg == "--idle") && i + 1 < argc) {
      const int value = std::stoi(argv[++i]);
      if (value < 1) throw std::invalid_argument(std::string(arg) + " needs a positive number");
      (arg == "--runs" ? options.runs : options.idleSeconds) = value;
    } else if (!arg.empty() && arg.front() != '-') {
      options.program = arg;
    } else {
      throw std::invalid_argument("usage: terminal_measure [PROGRAM] [--runs N] [--idle SECONDS]");
    }
  }
  if (options.program.empty()) throw std::invalid_argument("no program given");
  return options;
}

void waitOrThrow(PtyTerminal& terminal, const std::function<bool()>& predicate,
                 std::string_view what) {
  if (!terminal.waitFor(predicate, kWait)) {
    throw std::runtime_error("timed out waiting for " + std::string(what) + "\n" + terminal.dump());
  }
}

// Lets the program finish writing.
void settle(PtyTerminal& terminal) {
  for (;;) {
    const std::size_t before = terminal.bytesReceived();
    terminal.waitFor([] { return false; }, kQuiet);
    if (terminal.bytesReceived() == before) return;
  }
}

// The bytes the program writes from the keys until the screen shows the
// result and the program falls silent.
std::size_t bytesFor(PtyTerminal& terminal, std::string_view keys,
                     const std::function<bool()>& shown, std::string_view what) {
  settle(terminal);
  const std::size_t before = terminal.bytesReceived();
  terminal.sendBytes(keys);
  waitOrThrow(terminal, shown, what);
  settle(terminal);
  return terminal.bytesReceived() - before;
}

bool cursorAt(const PtyTerminal& terminal, Position at) {
  return terminal.cursorVisible() && terminal.cursor() == at;
}

bool titleScreenReady(const PtyTerminal& terminal) {
  return terminal.rowText(12).find("For instructions, press \"H\"") != std::string::npos &&
         cursorAt(terminal, kEntry);
}

bool typed(const PtyTerminal& terminal, std::string_view text) {
  return terminal.rowText(kEntry.row).substr(kEntry.column - 1, text.size()) == text &&
         cursorAt(terminal, {kEntry.row, kEntry.column + static_cast<int>(text.size())});
}

// A new prompt below the first one, waiting for a hand.
bool newPromptReady(const PtyTerminal& terminal) {
  const int row = terminal.cursor().row;
  return row > kEntry.row && terminal.rowText(row).rfind("  Enter a hand:", 0) == 0 &&
         cursorAt(terminal, {row, kEntry.column});
}

long cpuTicks(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(file, line)) throw std::runtime_error("no /proc entry for the program");
  // The command name may hold blanks: fields count from its closing parenthesis.
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  std::string skipped;
  for (int field = 3; field <= 13; ++field) fields >> skipped;
  long userTicks = 0;
  long systemTicks = 0;
  fields >> userTicks >> systemTicks;
  return userTicks + systemTicks;
}

long statusKb(pid_t pid, std::string_view name) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(file, line);) {
    if (line.rfind(std::string(name) + ":", 0) == 0) {
      return std::stol(line.substr(name.size() + 1));
    }
  }
  throw std::runtime_error("no " + std::string(name) + " in /proc status");
}

struct SessionFigures {
  std::size_t echoBytes = 0;
  std::size_t errorShownBytes = 0;
  std::size_t errorDismissedBytes = 0;
  std::size_t resultsBytes = 0;
  long idleTicks = 0;
  long peakKb = 0;
  long residentKb = 0;
  int exitStatus = -1;
};

// One run through the program's main paths, measuring as it goes.
SessionFigures measureSession(const Options& options) {
  SessionFigures figures;
  PtyTerminal terminal({options.program});
  waitOrThrow(
      terminal, [&] { return titleScreenReady(terminal); }, "the title screen");

  // The first key also erases the hint, so the second one is measured.
  bytesFor(
      terminal, "A", [&] { return typed(terminal, "A"); }, "the first card");
  figures.echoBytes = bytesFor(
      terminal, "K", [&] { return typed(terminal, "AK"); }, "the echo");

  const auto barShown = [&] {
    return terminal.rowText(7).find("The hand has only 2 cards") != std::string::npos &&
           !terminal.cursorVisible();
  };
  figures.errorShownBytes = bytesFor(terminal, "\r", barShown, "the error bar");
  figures.errorDismissedBytes = bytesFor(
      terminal, "Z",
      [&] {
        return terminal.rowText(7).find_first_not_of(' ') == std::string::npos &&
               typed(terminal, "AK");
      },
      "the error bar to go");

  const std::string rest = "QJx Kx - 5432xx";
  bytesFor(
      terminal, rest, [&] { return typed(terminal, "AK" + rest); }, "the complete hand");
  figures.resultsBytes = bytesFor(
      terminal, "\r", [&] { return newPromptReady(terminal); }, "the results panel");

  const long idleStart = cpuTicks(terminal.pid());
  terminal.waitFor([] { return false; }, std::chrono::seconds(options.idleSeconds));
  figures.idleTicks = cpuTicks(terminal.pid()) - idleStart;

  figures.peakKb = statusKb(terminal.pid(), "VmHWM");
  figures.residentKb = statusKb(terminal.pid(), "VmRSS");
  terminal.sendBytes("\x1B");
  waitOrThrow(
      terminal, [&] { return terminal.screenText().find("Quit program?") != std::string::npos; },
      "the quit prompt");
  terminal.sendBytes("y");
  figures.exitStatus = terminal.waitForExit(kWait).value_or(-1);
  return figures;
}

// Milliseconds from starting the program until its title screen is complete.
double startUpMs(const Options& options) {
  const Clock::time_point start = Clock::now();
  PtyTerminal terminal({options.program});
  waitOrThrow(
      terminal, [&] { return titleScreenReady(terminal); }, "the title screen");
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

class Report {
 public:
  void line(std::string_view what, const std::string& value, const std::string& target = {},
            bool met = true) {
    std::printf("%-34s %14s", std::string(what).c_str(), value.c_str());
    if (!target.empty()) std::printf("   target %-10s %s", target.c_str(), met ? "ok" : "MISSED");
    std::printf("\n");
    allMet_ = allMet_ && met;
  }
  bool allMet() const { return allMet_; }

 private:
  bool allMet_ = true;
};

std::string fixed(double value, int decimals) {
  std::ostringstream out;
  out.setf(std::ios::fixed);
  out.precision(decimals);
  out << value;
  return out.str();
}

int run(const Options& options) {
  const SessionFigures session = measureSession(options);
  std::vector<double> startUps;
  for (int i = 0; i < options.runs; ++i) startUps.push_back(startUpMs(options));
  const double startUp = median(startUps);

  std::printf("%s in an emulated 80x25 xterm-256color, UTF-8\n", options.program.c_str());
  Report report;
  report.line("echoed key (second card), bytes", std::to_string(session.echoBytes),
              "<= " + std::to_string(kMaxEchoBytes), session.echoBytes <= kMaxEchoBytes);
  report.line("error bar shown, bytes", std::to_string(session.errorShownBytes));
  report.line("error bar dismissed, bytes", std::to_string(session.errorDismissedBytes));
  report.line("results panel to new prompt, bytes", std::to_string(session.resultsBytes));
  report.line("CPU while idle " + std::to_string(options.idleSeconds) + " s, ticks",
              std::to_string(session.idleTicks), std::to_string(kMaxIdleTicks),
              session.idleTicks <= kMaxIdleTicks);
  report.line("start-up, median of " + std::to_string(options.runs) + ", ms", fixed(startUp, 1),
              "< " + fixed(kMaxStartUpMs, 0), startUp < kMaxStartUpMs);
  report.line("start-up, fastest / slowest, ms",
              fixed(*std::min_element(startUps.begin(), startUps.end()), 1) + " / " +
                  fixed(*std::max_element(startUps.begin(), startUps.end()), 1));
  report.line("peak memory (VmHWM), kB", std::to_string(session.peakKb),
              "< " + std::to_string(kMaxPeakKb), session.peakKb < kMaxPeakKb);
  report.line("resident at the end (VmRSS), kB", std::to_string(session.residentKb));
  report.line("exit status after quitting", std::to_string(session.exitStatus), "0",
              session.exitStatus == 0);
  return report.allMet() ? 0 : 1;
}

}  // namespace
}  // namespace bidgauge::e2e

int main(int argc, char** argv) {
  try {
    return bidgauge::e2e::run(bidgauge::e2e::parseOptions(argc, argv));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "terminal_measure: %s\n", error.what());
    return 2;
  }
}
