#pragma once

#include <optional>

namespace bidgauge {

// The standard streams of the command line on Windows, set up for output
// byte for byte as on other systems: binary, so that LF stays LF and Ctrl+Z
// or CR LF in input reach the program as they are. For a run that writes text
// to them (all but the interactive program, which draws on the console
// itself), a console among them also shows UTF-8, and standard output on a
// console takes escape sequences for colour where Windows has them (Windows 10
// and later). Everything is put back on destruction. Only one instance may
// exist at a time.
class StandardStreams {
 public:
  explicit StandardStreams(bool writesText);
  ~StandardStreams();
  StandardStreams(const StandardStreams&) = delete;
  StandardStreams& operator=(const StandardStreams&) = delete;

 private:
  std::optional<unsigned> savedOutputCodePage_;
  std::optional<unsigned long> savedOutputMode_;
};

// Standard output is a console that shows colour from escape sequences.
bool standardOutputShowsColour();

}  // namespace bidgauge
