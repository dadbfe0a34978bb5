#include "study/report_html.hpp"

#include <cmath>

#include "batch/html_text.hpp"
#include "study/inline_svg.hpp"
#include "study/report_names.hpp"
#include "study/report_numbers.hpp"
#include "study/report_templates.hpp"

namespace bidgauge {
namespace {

// Text made safe to stand inside an element.
std::string escaped(std::string_view text) {
  std::string out;
  appendHtmlEscaped(out, text);
  return out;
}

// A table whose first `textColumns` columns are words and the rest numbers.
// Cells are HTML already (escape their text first).
struct HtmlTable {
  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> rows;
  std::size_t textColumns = 1;
};

std::string render(const HtmlTable& table) {
  std::string out = "<table>\n<tr>";
  for (const std::string& heading : table.headings) out += "<th>" + escaped(heading) + "</th>";
  out += "</tr>\n";
  for (const auto& row : table.rows) {
    out += "<tr>";
    for (std::size_t column = 0; column < row.size(); ++column) {
      out += column < table.textColumns ? "<td>" : "<td class=\"number\">";
      out += row[column] + "</td>";
    }
    out += "</tr>\n";
  }
  return out + "</table>\n";
}

std::string twoPlaces(double value) {
  return fixedNumber(value, 2);
}

// "1.23 <span>[1.20,1.27]</span>", the interval greyed.
template <typename Format>
std::string estimateCell(const Estimate& estimate, Format format, bool markExcludingZero = false) {
  std::string cell = format(estimate.value) + " <span class=\"interval\">" +
                     intervalText(estimate, format) + "</span>";
  if (markExcludingZero && excludesZero(estimate)) cell += " <strong>*</strong>";
  return cell;
}

std::string lineCell(const HeldOutFit& fit) {
  const std::string sign = fit.slope < 0 ? " &minus; " : " + ";
  return twoPlaces(fit.intercept) + sign + fixedNumber(std::abs(fit.slope), 3) + " &times; count";
}

std::string fitTables(const StudyResults& results) {
  std::string out;
  for (int target = 0; target < kTargetCount; ++target) {
    HtmlTable table{
        {"method", "fitted line", "r", "residual deviation", "mean absolute error", "vs 4-3-2-1"},
        {}};
    for (int method = 0; method < kMethodCount; ++method) {
      const HeldOutFit& fit =
          results.targets[static_cast<std::size_t>(target)].fits[static_cast<std::size_t>(method)];
      table.rows.push_back({escaped(methodName(method)), lineCell(fit),
                            estimateCell(fit.pearsonR, correlationNumber),
                            estimateCell(fit.residualDeviation, twoPlaces),
                            estimateCell(fit.meanAbsoluteError, twoPlaces),
                            method == kPointsMethod
                                ? std::string("(the baseline)")
                                : estimateCell(fit.deviationOverPoints, twoPlaces, true)});
    }
    out += "<h3>" + std::string(kTargetTitles[static_cast<std::size_t>(target)]) + "</h3>\n" +
           render(table);
  }
  return out;
}

std::string calibrationTables(const StudyResults& results) {
  std::string out;
  for (int target = 0; target < kTargetCount; ++target) {
    for (int method = 0; method < kMethodCount; ++method) {
      HtmlTable table{{"count", "partnerships", "mean tricks", "deviation"}, {}, 0};
      for (const CalibrationPoint& point : results.targets[static_cast<std::size_t>(target)]
                                               .calibration[static_cast<std::size_t>(method)]) {
        table.rows.push_back({exactNumber(point.count), std::to_string(point.samples),
                              twoPlaces(point.meanTricks), twoPlaces(point.deviation)});
      }
      out += "<details><summary>" + escaped(methodName(method)) + ", " +
             escaped(targetName(target)) + ": mean tricks per count</summary>\n" + render(table) +
             "</details>\n";
    }
  }
  return out;
}

std::string signedTwoPlaces(double value) {
  const std::string text = twoPlaces(value);
  return value > 0 && text != "0.00" ? "+" + text : text;
}

std::string patternTables(const StudyResults& results) {
  std::string out;
  for (int target = 0; target < kTargetCount; ++target) {
    HtmlTable table{{"pattern", "hands"}, {}};
    for (int method = 0; method < kMethodCount; ++method) {
      table.headings.emplace_back(methodName(method));
    }
    for (const PatternRow& row : results.targets[static_cast<std::size_t>(target)].patterns) {
      std::vector<std::string> cells = {escaped(row.pattern), std::to_string(row.hands)};
      for (const double residual : row.meanResidual) cells.push_back(signedTwoPlaces(residual));
      table.rows.push_back(std::move(cells));
    }
    out += "<h3>" + escaped(targetName(target)) + "</h3>\n" + render(table);
  }
  return out;
}

std::string openingTable(const StudyResults& results) {
  HtmlTable table{
      {"method", "opens", "notrump tricks: opens", "does not", "longest suit: opens", "does not"},
      {}};
  for (int method = 0; method < kOpeningMethodCount; ++method) {
    const OpeningRow& row = results.opening[static_cast<std::size_t>(method)];
    table.rows.push_back({escaped(methodName(method)), percentText(row.opensShare),
                          twoPlaces(row.tricksWhenOpens[0]), twoPlaces(row.tricksWhenNot[0]),
                          twoPlaces(row.tricksWhenOpens[1]), twoPlaces(row.tricksWhenNot[1])});
  }
  return render(table);
}

std::string agreementTable(const StudyResults& results) {
  HtmlTable table{{""}, {}};
  for (int method = 0; method < kOpeningMethodCount; ++method) {
    table.headings.emplace_back(methodName(method));
  }
  for (int method = 0; method < kOpeningMethodCount; ++method) {
    std::vector<std::string> cells = {escaped(methodName(method))};
    for (const double share : results.opening[static_cast<std::size_t>(method)].agreesWith) {
      cells.push_back(percentText(share));
    }
    table.rows.push_back(std::move(cells));
  }
  return render(table);
}

std::string summary(const StudyResults& results) {
  return std::to_string(results.deals) + " deals: " + std::to_string(results.fitSamples) +
         " partnerships of the even deals fit the lines, " + std::to_string(results.testSamples) +
         " of the odd deals test them.";
}

// The drawings from `first` on, `count` of them, each inlined with its own ids.
std::string drawingsHtml(const std::vector<std::string>& drawings, std::size_t first,
                         std::size_t count) {
  std::string out;
  for (std::size_t at = first; at < first + count && at < drawings.size(); ++at) {
    out += inlineSvg(drawings[at], "plot" + std::to_string(at) + "-") + "\n";
  }
  return out;
}

}  // namespace

std::string indexHtml(const StudyResults& results, const std::vector<std::string>& drawings) {
  // plotScripts' order: a calibration drawing per target, then the errors.
  return fillTemplate(kIndexPage, {{"@SUMMARY@", summary(results)},
                                   {"@RESAMPLES@", std::to_string(results.resamples)},
                                   {"@SEED@", std::to_string(results.bootstrapSeed)},
                                   {"@FIT_TABLES@", fitTables(results)},
                                   {"@ERRORS_PLOT@", drawingsHtml(drawings, kTargetCount, 1)},
                                   {"@CALIBRATION_PLOTS@", drawingsHtml(drawings, 0, kTargetCount)},
                                   {"@CALIBRATION_TABLES@", calibrationTables(results)},
                                   {"@PATTERN_TABLES@", patternTables(results)},
                                   {"@OPENING_TABLE@", openingTable(results)},
                                   {"@AGREEMENT_TABLE@", agreementTable(results)}});
}

}  // namespace bidgauge
