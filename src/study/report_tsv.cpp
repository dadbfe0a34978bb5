#include "study/report_tsv.hpp"

#include <initializer_list>

#include "study/report_names.hpp"
#include "study/report_numbers.hpp"

namespace bidgauge {
namespace {

// Appends one line of fields, tab-separated.
void appendLine(std::string& out, std::initializer_list<std::string> fields) {
  bool first = true;
  for (const std::string& field : fields) {
    if (!first) out += '\t';
    out += field;
    first = false;
  }
  out += '\n';
}

void appendFields(std::string& out, const Estimate& estimate) {
  out += '\t' + exactNumber(estimate.value) + '\t' + exactNumber(estimate.low) + '\t' +
         exactNumber(estimate.high);
}

std::string estimateHeadings(std::string_view name) {
  const std::string stem(name);
  return '\t' + stem + '\t' + stem + "Low\t" + stem + "High";
}

std::string fitsTsv(const StudyResults& results) {
  std::string out = "target\tmethod\tintercept\tslope";
  for (const char* name : {"pearsonR", "residualDeviation", "meanAbsoluteError", "rOverPoints",
                           "deviationOverPoints", "absoluteErrorOverPoints"}) {
    out += estimateHeadings(name);
  }
  out += '\n';
  for (int target = 0; target < kTargetCount; ++target) {
    for (int method = 0; method < kMethodCount; ++method) {
      const HeldOutFit& fit =
          results.targets[static_cast<std::size_t>(target)].fits[static_cast<std::size_t>(method)];
      out += std::string(targetName(target)) + '\t' + std::string(methodName(method)) + '\t' +
             exactNumber(fit.intercept) + '\t' + exactNumber(fit.slope);
      for (const Estimate* estimate :
           {&fit.pearsonR, &fit.residualDeviation, &fit.meanAbsoluteError, &fit.rOverPoints,
            &fit.deviationOverPoints, &fit.absoluteErrorOverPoints}) {
        appendFields(out, *estimate);
      }
      out += '\n';
    }
  }
  return out;
}

std::string calibrationTsv(const StudyResults& results) {
  std::string out;
  appendLine(out, {"target", "method", "count", "samples", "meanTricks", "deviation"});
  for (int target = 0; target < kTargetCount; ++target) {
    for (int method = 0; method < kMethodCount; ++method) {
      for (const CalibrationPoint& point : results.targets[static_cast<std::size_t>(target)]
                                               .calibration[static_cast<std::size_t>(method)]) {
        appendLine(out, {std::string(targetName(target)), std::string(methodName(method)),
                         exactNumber(point.count), std::to_string(point.samples),
                         exactNumber(point.meanTricks), exactNumber(point.deviation)});
      }
    }
  }
  return out;
}

// A column per method after `first` columns, named by method.
std::string methodHeadings(std::string first, int methods) {
  for (int method = 0; method < methods; ++method) first += '\t' + std::string(methodName(method));
  return first + '\n';
}

std::string patternsTsv(const StudyResults& results) {
  std::string out = methodHeadings("target\tpattern\thands", kMethodCount);
  for (int target = 0; target < kTargetCount; ++target) {
    for (const PatternRow& row : results.targets[static_cast<std::size_t>(target)].patterns) {
      out +=
          std::string(targetName(target)) + '\t' + row.pattern + '\t' + std::to_string(row.hands);
      for (const double residual : row.meanResidual) out += '\t' + exactNumber(residual);
      out += '\n';
    }
  }
  return out;
}

std::string openingTsv(const StudyResults& results) {
  std::string out;
  appendLine(out, {"method", "opensShare", "notrumpTricksWhenOpens", "notrumpTricksWhenNot",
                   "longestSuitTricksWhenOpens", "longestSuitTricksWhenNot"});
  for (int method = 0; method < kOpeningMethodCount; ++method) {
    const OpeningRow& row = results.opening[static_cast<std::size_t>(method)];
    appendLine(out, {std::string(methodName(method)), exactNumber(row.opensShare),
                     exactNumber(row.tricksWhenOpens[0]), exactNumber(row.tricksWhenNot[0]),
                     exactNumber(row.tricksWhenOpens[1]), exactNumber(row.tricksWhenNot[1])});
  }
  return out;
}

// The share of hands each pair of methods marks alike, a row per method.
std::string agreementTsv(const StudyResults& results) {
  std::string out = methodHeadings("method", kOpeningMethodCount);
  for (int method = 0; method < kOpeningMethodCount; ++method) {
    out += methodName(method);
    for (const double share : results.opening[static_cast<std::size_t>(method)].agreesWith) {
      out += '\t' + exactNumber(share);
    }
    out += '\n';
  }
  return out;
}

}  // namespace

std::vector<ReportFile> tsvFiles(const StudyResults& results) {
  return {{"fits.tsv", fitsTsv(results)},
          {"calibration.tsv", calibrationTsv(results)},
          {"patterns.tsv", patternsTsv(results)},
          {"opening.tsv", openingTsv(results)},
          {"agreement.tsv", agreementTsv(results)}};
}

}  // namespace bidgauge
