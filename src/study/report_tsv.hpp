#pragma once

#include <vector>

#include "study/report_file.hpp"
#include "study/study_results.hpp"

namespace bidgauge {

// The results as tab-separated tables, a header line each, numbers exact:
// fits.tsv, calibration.tsv, patterns.tsv, opening.tsv and agreement.tsv.
std::vector<ReportFile> tsvFiles(const StudyResults& results);

}  // namespace bidgauge
