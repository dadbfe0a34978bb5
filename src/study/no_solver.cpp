#include "study/trick_solver.hpp"

namespace bidgauge {

std::unique_ptr<TrickSolver> makeTrickSolver(std::string& why) {
  why = "this build has no double-dummy solver: install DDS (Debian: libdds-dev) and build again";
  return nullptr;
}

}  // namespace bidgauge
