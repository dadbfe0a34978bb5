#pragma once

#include <chrono>
#include <cstdio>
#include <string>

namespace bidgauge {

// The progress line of a solving run: "solving: 1200/10000 deals, 8.4
// deals/s, 17 min left" after `seconds` of solving `done` of `total` deals;
// the rate and time left once a deal is done.
std::string progressText(long done, long total, double seconds);

// True when the stream is a terminal, where a line rewritten in place reads well.
bool isTerminal(std::FILE* stream);

// Shows the progress line on a terminal, rewritten in place with '\r' a few
// times a second at most, and wiped when done.
class ProgressLine {
 public:
  // `terminal` null shows nothing.
  explicit ProgressLine(std::FILE* terminal)
      : terminal_(terminal), start_(Clock::now()), shown_(start_) {}
  ~ProgressLine() { clear(); }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void show(long done, long total);
  // Wipes the line, leaving the cursor at its start.
  void clear();

 private:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kInterval{250};

  std::FILE* terminal_;
  Clock::time_point start_;
  Clock::time_point shown_;
  std::size_t width_ = 0;  // of the line on the screen
};

}  // namespace bidgauge
