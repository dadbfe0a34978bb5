#pragma once

#include <span>
#include <string>
#include <vector>

#include "batch/batch.hpp"
#include "study/solved_deal.hpp"

namespace bidgauge {

// The PBN tags that carry a deal's double-dummy tricks.
inline constexpr std::string_view kDoubleDummyTricksTag = "DoubleDummyTricks";
inline constexpr std::string_view kOptimumResultTableTag = "OptimumResultTable";

// Something in a tag that could not be read, and the tag's line.
struct TagProblem {
  long line = 0;
  std::string message;
};

// The tricks a PBN game's tags give: a DoubleDummyTricks tag (20 characters
// in the tricks cache's layout) and the rows of an OptimumResultTable
// ("N NT 9", in the columns its value names), the first where both give a
// number. Tags of other names are passed over; what cannot be read is left
// unknown and told in `problems`.
DealTricks tricksOfTags(std::span<const GameTag> tags, std::vector<TagProblem>& problems);

}  // namespace bidgauge
