#pragma once

#include <string>
#include <vector>

#include "study/report_file.hpp"
#include "study/study_results.hpp"

namespace bidgauge {

// A gnuplot script of the report and the SVG files it draws, in the order
// the page shows them.
struct PlotScript {
  std::string name;
  std::vector<std::string> drawings;
};

// calibration.gp (a drawing per target) and errors.gp.
std::vector<PlotScript> plotScripts();

// The scripts and the data files they read (calibration.dat, errors.dat).
std::vector<ReportFile> plotFiles(const StudyResults& results);

}  // namespace bidgauge
