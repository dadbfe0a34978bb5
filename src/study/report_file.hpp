#pragma once

#include <string>

namespace bidgauge {

// One file of the report folder: its name there and its whole text.
struct ReportFile {
  std::string name;
  std::string text;
};

}  // namespace bidgauge
