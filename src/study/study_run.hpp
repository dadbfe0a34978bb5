#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "study/solved_deal.hpp"
#include "study/trick_solver.hpp"

namespace bidgauge {

// The deals of a study made rather than read: deal i is dealAt(i), for
// instance the seeded random deal of that index.
std::vector<SolvedDeal> generatedDeals(long count, const std::function<WholeDeal(long)>& dealAt);

// Whether the deal still lacks the tricks of a strain the study asks about.
bool needsSolving(const SolvedDeal& deal);

// Fills in the tricks the cache at `path` holds for the same deals (matched
// by deal), where the deals do not know them yet; a cache not there yet is
// none. Its lines that cannot be read are told in `messages`. The number of
// deals the cache gave tricks to.
long reuseCachedTricks(std::vector<SolvedDeal>& deals, const std::string& path,
                       std::vector<std::string>& messages);

// One process's part of the deals when several share them: deal i (by its
// number) is solved by process i % processes, so the deals do not depend on
// how many there are.
struct DealShare {
  int process = 0;
  int processes = 1;
};

// Where in `deals` the deals of this share are that still need solving.
std::vector<std::size_t> dealsToSolve(std::span<const SolvedDeal> deals, DealShare share);

// Called with the deals of a chunk as soon as they are solved.
using ChunkSolved = std::function<void(std::span<const SolvedDeal> chunk)>;
// Called now and then with the deals solved so far and the number to solve.
using SolvingProgress = std::function<void(long done, long total)>;

// Solves the deals at `positions` through the solver, `chunkDeals` at a
// time. Throws what the solver throws; the chunks before are solved.
void solveInChunks(std::vector<SolvedDeal>& deals, std::span<const std::size_t> positions,
                   TrickSolver& solver, long chunkDeals, const ChunkSolved& chunkSolved,
                   const SolvingProgress& progress);

// Copies the tricks of deals solved elsewhere (another process) into the
// deals of the same number.
void takeTricks(std::vector<SolvedDeal>& deals, std::span<const SolvedDeal> solved);

struct SolvingOptions {
  // The tricks cache read for deals solved before and written with every
  // deal; empty for none.
  std::string cachePath;
  long chunkDeals = 64;
  // A process of several reads the cache but writes none: the one that
  // gathers the deals writes it whole.
  DealShare share;
};

struct SolvingOutcome {
  long fromCache = 0;                 // deals the cache gave tricks to
  long solved = 0;                    // deals the solver solved
  std::vector<std::string> messages;  // cache lines passed over
  std::string error;                  // why the run stopped short; empty when it did not
};

// A solving run: tricks from the cache first, then the solver for the rest
// of this process's share, each chunk appended to the cache as it is solved
// so that an interrupted run loses little, and at the end the cache written
// whole in deal order. `solver` null (a build without one, for the reason
// `noSolver`) is an error only when a deal needs solving.
SolvingOutcome runSolving(std::vector<SolvedDeal>& deals, TrickSolver* solver,
                          std::string_view noSolver, const SolvingOptions& options,
                          const SolvingProgress& progress);

}  // namespace bidgauge
