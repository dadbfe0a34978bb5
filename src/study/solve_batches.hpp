#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "study/solved_deal.hpp"

namespace bidgauge {

// The strains the study asks about of a deal whose tricks are not all known.
StrainSet strainsMissing(const SolvedDeal& solved);

// Deals for one solver call. The solver chooses the strains per call, so the
// deals of a batch all miss the same strains.
struct SolveBatch {
  StrainSet strains = 0;
  std::vector<std::size_t> deals;  // places in the deals given to solveBatches
};

// The deals missing tricks, grouped by the strains they miss, in input order
// within a group, cut into batches of at most tablesPerCall / (number of
// strains) deals: a call works out at most `tablesPerCall` tables of one deal
// and one strain. Deals missing nothing are in no batch.
std::vector<SolveBatch> solveBatches(std::span<const SolvedDeal> deals, int tablesPerCall);

}  // namespace bidgauge
