#include "cli/command_line.hpp"

int main(int argc, char** argv) {
  return bidgauge::runCommandLine(argc, argv);
}
