#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>

#include "batch/exit_status.hpp"

namespace bidgauge {

// Writes deals 0 to count - 1 of `seed` to `out`, a deal string a line. Without
// a seed, a fresh one is used and told on `err`, so the run can be repeated.
// Stops at the first write that fails (ExitStatus::failed).
ExitStatus writeRandomDeals(std::optional<std::uint64_t> seed, long count, std::FILE* out,
                            std::FILE* err);

}  // namespace bidgauge
