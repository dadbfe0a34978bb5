#include "study/report_plots.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "study/report_names.hpp"
#include "study/report_numbers.hpp"
#include "study/report_templates.hpp"

namespace bidgauge {
namespace {

// A number gnuplot reads: its NaN stands for anything that is no number.
std::string plotNumber(double value) {
  return std::isfinite(value) ? exactNumber(value) : "NaN";
}

std::string quoted(std::string_view text) {
  return '"' + std::string(text) + '"';
}

// "array NAME[N] = [v1, v2, ...]": one value per target and method, in
// calibration.dat's block order.
std::string perFitArray(std::string_view name,
                        const std::function<std::string(int target, int method)>& value) {
  std::string line =
      "array " + std::string(name) + "[" + std::to_string(kTargetCount * kMethodCount) + "] = [";
  for (int target = 0; target < kTargetCount; ++target) {
    for (int method = 0; method < kMethodCount; ++method) {
      if (target + method > 0) line += ", ";
      line += value(target, method);
    }
  }
  return line + "]\n";
}

// The counts a method's curve spans, with room either side; [0:1] when it
// has none, since gnuplot refuses an empty range.
std::pair<double, double> countRange(const std::vector<CalibrationPoint>& points) {
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (const CalibrationPoint& point : points) {
    if (!std::isfinite(point.count)) continue;
    low = std::min(low, point.count);
    high = std::max(high, point.count);
  }
  if (low > high) return {0, 1};
  const double margin = std::max(0.5, (high - low) * 0.03);
  return {low - margin, high + margin};
}

std::string calibrationNumbers(const StudyResults& results) {
  std::string out = "array method_name[6] = [";
  for (int method = 0; method < kMethodCount; ++method) {
    out += (method > 0 ? ", " : "") + quoted(methodName(method));
  }
  out += "]\narray target_name[2] = [" + quoted(kTargetNames[0]) + ", " + quoted(kTargetNames[1]) +
         "]\n";
  out +=
      "array target_file[2] = [" + quoted(kTargetKeys[0]) + ", " + quoted(kTargetKeys[1]) + "]\n";
  const auto fit = [&results](int target, int method) -> const HeldOutFit& {
    return results.targets[static_cast<std::size_t>(target)].fits[static_cast<std::size_t>(method)];
  };
  const auto range = [&results](int target, int method) {
    return countRange(results.targets[static_cast<std::size_t>(target)]
                          .calibration[static_cast<std::size_t>(method)]);
  };
  out += perFitArray("intercept", [&](int t, int m) { return plotNumber(fit(t, m).intercept); });
  out += perFitArray("slope", [&](int t, int m) { return plotNumber(fit(t, m).slope); });
  out += perFitArray("deviation",
                     [&](int t, int m) { return plotNumber(fit(t, m).residualDeviation.value); });
  out += perFitArray("count_low", [&](int t, int m) { return plotNumber(range(t, m).first); });
  out += perFitArray("count_high", [&](int t, int m) { return plotNumber(range(t, m).second); });
  return out;
}

std::string calibrationData(const StudyResults& results) {
  std::string out;
  for (int target = 0; target < kTargetCount; ++target) {
    for (int method = 0; method < kMethodCount; ++method) {
      if (!out.empty()) out += "\n\n";
      out += "# " + std::string(targetName(target)) + ", " + std::string(methodName(method)) +
             ": count, partnerships, mean tricks, deviation\n";
      const auto& points = results.targets[static_cast<std::size_t>(target)]
                               .calibration[static_cast<std::size_t>(method)];
      // gnuplot does not count a block without data, so an empty one gets a
      // line of nothing to keep the blocks' numbers.
      if (points.empty()) out += "NaN 0 NaN NaN\n";
      for (const CalibrationPoint& point : points) {
        out += plotNumber(point.count) + ' ' + std::to_string(point.samples) + ' ' +
               plotNumber(point.meanTricks) + ' ' + plotNumber(point.deviation) + '\n';
      }
    }
  }
  return out;
}

std::string estimateColumns(const Estimate& estimate) {
  return ' ' + plotNumber(estimate.value) + ' ' + plotNumber(estimate.low) + ' ' +
         plotNumber(estimate.high);
}

std::string errorsData(const StudyResults& results) {
  std::string out =
      "# method, name, then residual deviation and mean absolute error (value low high),\n"
      "# each for notrump then the longest suit\n";
  for (int method = 0; method < kMethodCount; ++method) {
    out += std::to_string(method + 1) + ' ' + quoted(methodName(method));
    for (const auto member : {&HeldOutFit::residualDeviation, &HeldOutFit::meanAbsoluteError}) {
      for (const TargetResults& target : results.targets) {
        out += estimateColumns(target.fits[static_cast<std::size_t>(method)].*member);
      }
    }
    out += '\n';
  }
  return out;
}

}  // namespace

std::vector<PlotScript> plotScripts() {
  return {{"calibration.gp",
           {"calibration_" + std::string(kTargetKeys[0]) + ".svg",
            "calibration_" + std::string(kTargetKeys[1]) + ".svg"}},
          {"errors.gp", {"errors.svg"}}};
}

std::vector<ReportFile> plotFiles(const StudyResults& results) {
  return {{"calibration.dat", calibrationData(results)},
          {"errors.dat", errorsData(results)},
          {"calibration.gp",
           fillTemplate(kCalibrationScript, {{"@NUMBERS@", calibrationNumbers(results)}})},
          {"errors.gp", std::string(kErrorsScript)}};
}

}  // namespace bidgauge
