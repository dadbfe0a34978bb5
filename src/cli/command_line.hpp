#pragma once

namespace bidgauge {

// The program's entry point: decides from the arguments what to run and
// returns the exit status.
int runCommandLine(int argc, char** argv);

}  // namespace bidgauge
