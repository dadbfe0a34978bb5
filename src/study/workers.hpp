#pragma once

#include <memory>
#include <vector>

#include "study/solved_deal.hpp"

namespace bidgauge {

// The processes a study's solving is spread over: one, or as many as
// mpirun starts on any number of machines. Worker 0 reads the deals and
// writes every result; deal i is solved by worker i mod count(), so the
// deals and the results do not depend on how many workers there are.
class Workers {
 public:
  virtual ~Workers() = default;

  virtual int rank() const = 0;
  virtual int count() const = 0;
  bool leads() const { return rank() == 0; }

  // Gives every worker worker 0's deals, with the tricks known of them.
  virtual void shareDeals(std::vector<SolvedDeal>& deals) = 0;

  // Hands worker 0 the tricks each worker solved for its deals (i mod
  // count() == rank()); the other workers' copies are left as they are.
  virtual void gatherTricks(std::vector<SolvedDeal>& deals) = 0;

  // Ends every worker's run with the same exit status as worker 0's.
  virtual int agreeOnStatus(int status) = 0;
};

// The workers this build has: a single process, or with MPI every process
// mpirun started (this one among them).
std::unique_ptr<Workers> joinWorkers();

// Whether deal `number` is this worker's to solve.
inline bool solvesDeal(const Workers& workers, long number) {
  return number % workers.count() == workers.rank();
}

}  // namespace bidgauge
