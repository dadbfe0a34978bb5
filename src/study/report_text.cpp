#include "study/report_text.hpp"

#include "study/report_names.hpp"
#include "study/report_numbers.hpp"
#include "study/text_table.hpp"

namespace bidgauge {
namespace {

std::string twoPlaces(double value) {
  return fixedNumber(value, 2);
}

std::string heading(const StudyResults& results) {
  return "Double-dummy study of " + std::to_string(results.deals) +
         " deals: lines fitted on the even deals (" + std::to_string(results.fitSamples) +
         " partnerships),\ntested on the odd ones (" + std::to_string(results.testSamples) +
         " partnerships). 95% intervals from " + std::to_string(results.resamples) +
         " bootstrap resamples,\nseed " + std::to_string(results.bootstrapSeed) + ".\n";
}

constexpr const char* kFitLegend =
    "a + b * count: the line fitted on the even deals; count: the partnership's two hands "
    "together.\n"
    "r, residual dev., mean abs. error: on the odd deals, in tricks, with their 95% intervals.\n"
    "vs 4-3-2-1: residual dev. minus plain points' on the same resamples; below 0 predicts "
    "better,\n"
    "* where the interval leaves 0 out.\n";

std::vector<std::string> fitRow(int method, const HeldOutFit& fit) {
  std::vector<std::string> row = {
      std::string(methodName(method)),
      twoPlaces(fit.intercept),
      fixedNumber(fit.slope, 3),
      correlationNumber(fit.pearsonR.value),
      intervalText(fit.pearsonR, correlationNumber),
      twoPlaces(fit.residualDeviation.value),
      intervalText(fit.residualDeviation, twoPlaces),
      twoPlaces(fit.meanAbsoluteError.value),
      intervalText(fit.meanAbsoluteError, twoPlaces),
  };
  if (method == kPointsMethod) {
    row.insert(row.end(), {"-", ""});
  } else {
    const Estimate& difference = fit.deviationOverPoints;
    row.push_back(twoPlaces(difference.value));
    row.push_back(intervalText(difference, twoPlaces) + (excludesZero(difference) ? "*" : ""));
  }
  return row;
}

std::string fitTable(const TargetResults& target) {
  TextTable table;
  table.columns = {{"method", false},
                   {"a"},
                   {"b"},
                   {"r"},
                   {"", false, 1},
                   {"residual dev."},
                   {"", false, 1},
                   {"mean abs. error"},
                   {"", false, 1},
                   {"vs 4-3-2-1"},
                   {"", false, 1}};
  for (int method = 0; method < kMethodCount; ++method) {
    table.rows.push_back(fitRow(method, target.fits[static_cast<std::size_t>(method)]));
  }
  return renderTable(table);
}

std::string openingTable(const StudyResults& results) {
  TextTable table;
  table.columns = {{"method", false}, {"opens"}, {"notrump"}, {"longest suit"}};
  for (int other = 0; other < kOpeningMethodCount; ++other) {
    table.columns.push_back({std::string(methodName(other))});
  }
  const auto tricks = [](const OpeningRow& row, int target) {
    const auto t = static_cast<std::size_t>(target);
    return twoPlaces(row.tricksWhenOpens[t]) + " / " + twoPlaces(row.tricksWhenNot[t]);
  };
  for (int method = 0; method < kOpeningMethodCount; ++method) {
    const OpeningRow& row = results.opening[static_cast<std::size_t>(method)];
    std::vector<std::string> cells = {std::string(methodName(method)), percentText(row.opensShare),
                                      tricks(row, 0), tricks(row, 1)};
    for (const double share : row.agreesWith) cells.push_back(percentText(share));
    table.rows.push_back(std::move(cells));
  }
  return renderTable(table);
}

constexpr const char* kOpeningTitle =
    "Opening marks: the share of all hands each method opens; the mean tricks of the partnerships\n"
    "with a hand it opens / without one; then how often it marks a hand as each method does.\n";

}  // namespace

std::string studyTable(const StudyResults& results) {
  std::string out = heading(results);
  for (int target = 0; target < kTargetCount; ++target) {
    out += "\n";
    out += kTargetTitles[static_cast<std::size_t>(target)];
    out += "\n";
    out += fitTable(results.targets[static_cast<std::size_t>(target)]);
  }
  out += "\n";
  out += kFitLegend;
  out += "\n";
  out += kOpeningTitle;
  out += openingTable(results);
  return out;
}

}  // namespace bidgauge
