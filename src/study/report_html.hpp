#pragma once

#include <string>
#include <vector>

#include "study/study_results.hpp"

namespace bidgauge {

// index.html: the whole report in one page that opens from disk, with the
// drawings (SVG texts, in plotScripts' order) inlined and the tables as HTML.
std::string indexHtml(const StudyResults& results, const std::vector<std::string>& drawings);

}  // namespace bidgauge
