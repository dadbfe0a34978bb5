#include "study/trick_solver.hpp"

namespace bidgauge {

std::unique_ptr<TrickSolver> makeTrickSolver(std::string& why) {
  why = "install DDS (Debian: libdds-dev) and build again";
  return nullptr;
}

}  // namespace bidgauge
