#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>

#include "study/solved_deal.hpp"

namespace bidgauge {

// Works out double-dummy tricks. The build chooses the solver; the rest of
// the study sees only this.
class TrickSolver {
 public:
  virtual ~TrickSolver() = default;

  // Called now and then with the number of deals finished so far.
  using Progress = std::function<void(long finished)>;

  // Fills in, for each deal, the tricks of every strain in
  // strainsToSolve(deal) not yet known, leaving known tricks as they are.
  // Throws std::runtime_error with the solver's message when it fails.
  virtual void solve(std::span<SolvedDeal> deals, const Progress& progress) = 0;
};

// The solver this build has, or nothing when it was built without one
// (with the reason in `why`, naming what to install).
std::unique_ptr<TrickSolver> makeTrickSolver(std::string& why);

}  // namespace bidgauge
