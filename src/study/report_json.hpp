#pragma once

#include <string>

#include "study/study_results.hpp"

namespace bidgauge {

// Every field of the results as JSON (summary.json): numbers exact, the
// methods and targets by name, the per-method arrays as objects keyed by
// method name.
std::string summaryJson(const StudyResults& results);

}  // namespace bidgauge
