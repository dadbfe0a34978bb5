#pragma once

#include <optional>
#include <string>

#include "batch/deal.hpp"
#include "study/solved_deal.hpp"

namespace bidgauge {

// The deal string of a whole deal, North first: "N:AKQ.T98.765.4322 ..."
// with the suits in the order S.H.D.C, the form every deal reader takes.
std::string dealString(const WholeDeal& deal);

// The whole deal a read deal is: four hands of seats N, E, S and W, every
// card named (no "x"), no error. Nothing otherwise.
std::optional<WholeDeal> wholeDealOf(const DealHands& read);

}  // namespace bidgauge
