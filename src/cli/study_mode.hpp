#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "batch/exit_status.hpp"
#include "cli/arguments.hpp"

namespace bidgauge {

// Which count predicts double-dummy tricks: reads the whole deals of `files`
// (standard input for none or "-"), or makes request.randomDeals seeded
// random ones; solves the tricks they lack, keeping them in the cache file;
// prints the study's table on `out` and, when asked, writes the report.
// Messages and the progress line go to `err`. Run by every process of a
// study spread over several: only the first reads, prints and writes.
ExitStatus runStudy(const StudyRequest& request, const std::vector<std::string>& files,
                    std::optional<std::uint64_t> seed, std::FILE* out, std::FILE* err);

}  // namespace bidgauge
