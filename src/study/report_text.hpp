#pragma once

#include <string>

#include "study/study_results.hpp"

namespace bidgauge {

// The study's answer for standard output, within 100 columns: per target a
// row per method (its fitted line, r, residual deviation and mean absolute
// error on the test deals with their intervals, and how its deviation
// compares with plain 4-3-2-1 points), then the opening marks.
std::string studyTable(const StudyResults& results);

}  // namespace bidgauge
