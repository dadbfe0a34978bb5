#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "study/study_results.hpp"

namespace bidgauge {

// Why a report cannot be written on this system: gnuplot, which draws its
// plots, is not on PATH (the message names the package to install). Nothing
// when it can. Worth asking before the long work of a study.
std::optional<std::string> reportToolMissing();

// Writes the report into the folder `dir`, made if missing: summary.json,
// the tables as TSV, the gnuplot scripts and their data, the SVG drawings
// gnuplot makes of them, and index.html with all of it in one page. Each file
// but the drawings is written whole or not at all. Throws std::runtime_error
// with what went wrong: gnuplot missing (before anything is written), a file
// that cannot be written, or gnuplot's own message when it fails.
void writeReport(const StudyResults& results, const std::filesystem::path& dir);

}  // namespace bidgauge
