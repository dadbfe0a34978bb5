#pragma once

#include <string>
#include <vector>

namespace bidgauge::testing_support {

struct ProgramRun {
  int status = -1;  // the exit status, or 128 + the signal that ended it
  std::string out;
  std::string err;
};

// Runs the program with the arguments and `input` on its standard input, in a
// session of its own (so without a controlling terminal), with a fixed
// environment, and collects both output streams.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& input = {});

}  // namespace bidgauge::testing_support
