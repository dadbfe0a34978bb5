#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bidgauge {

// The fixed texts of the report folder, with @NAME@ where the study's
// numbers go.
extern const std::string_view kCalibrationScript;  // calibration.gp
extern const std::string_view kErrorsScript;       // errors.gp
extern const std::string_view kIndexPage;          // index.html

// `text` with each @NAME@ of `fields` replaced by its value.
std::string fillTemplate(std::string_view text,
                         const std::vector<std::pair<std::string_view, std::string>>& fields);

}  // namespace bidgauge
