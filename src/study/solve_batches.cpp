#include "study/solve_batches.hpp"

#include <algorithm>
#include <array>
#include <bit>

namespace bidgauge {

StrainSet strainsMissing(const SolvedDeal& solved) {
  const StrainSet asked = strainsToSolve(solved.deal);
  StrainSet missing = 0;
  for (int strain = 0; strain < kStrainCount; ++strain) {
    if (((asked >> strain) & 1u) != 0 && !solved.tricks.known(strain)) {
      missing = static_cast<StrainSet>(missing | 1u << strain);
    }
  }
  return missing;
}

std::vector<SolveBatch> solveBatches(std::span<const SolvedDeal> deals, int tablesPerCall) {
  constexpr std::size_t kStrainSets = 1u << kStrainCount;
  std::array<std::vector<std::size_t>, kStrainSets> groups;
  for (std::size_t place = 0; place < deals.size(); ++place) {
    groups[strainsMissing(deals[place])].push_back(place);
  }
  std::vector<SolveBatch> batches;
  for (std::size_t strains = 1; strains < kStrainSets; ++strains) {
    const std::vector<std::size_t>& group = groups[strains];
    const auto perCall =
        static_cast<std::size_t>(std::max(1, tablesPerCall / std::popcount(strains)));
    for (std::size_t first = 0; first < group.size(); first += perCall) {
      const std::size_t last = std::min(group.size(), first + perCall);
      batches.push_back({static_cast<StrainSet>(strains),
                         {group.begin() + static_cast<std::ptrdiff_t>(first),
                          group.begin() + static_cast<std::ptrdiff_t>(last)}});
    }
  }
  return batches;
}

}  // namespace bidgauge
