#include "study/report_json.hpp"

#include "study/json_writer.hpp"
#include "study/report_names.hpp"

namespace bidgauge {
namespace {

void writeEstimate(JsonWriter& json, std::string_view name, const Estimate& estimate) {
  json.key(name);
  json.beginObject(true);
  json.key("value");
  json.number(estimate.value);
  json.key("low");
  json.number(estimate.low);
  json.key("high");
  json.number(estimate.high);
  json.endObject();
}

void writeFit(JsonWriter& json, const HeldOutFit& fit) {
  json.beginObject();
  json.key("intercept");
  json.number(fit.intercept);
  json.key("slope");
  json.number(fit.slope);
  writeEstimate(json, "pearsonR", fit.pearsonR);
  writeEstimate(json, "residualDeviation", fit.residualDeviation);
  writeEstimate(json, "meanAbsoluteError", fit.meanAbsoluteError);
  writeEstimate(json, "rOverPoints", fit.rOverPoints);
  writeEstimate(json, "deviationOverPoints", fit.deviationOverPoints);
  writeEstimate(json, "absoluteErrorOverPoints", fit.absoluteErrorOverPoints);
  json.endObject();
}

void writeCalibration(JsonWriter& json, const std::vector<CalibrationPoint>& points) {
  json.beginArray();
  for (const CalibrationPoint& point : points) {
    json.beginObject(true);
    json.key("count");
    json.number(point.count);
    json.key("samples");
    json.integer(point.samples);
    json.key("meanTricks");
    json.number(point.meanTricks);
    json.key("deviation");
    json.number(point.deviation);
    json.endObject();
  }
  json.endArray();
}

// {"KnR": ..., "Zar": ...}: one number per method, in their order.
template <std::size_t N>
void writePerMethod(JsonWriter& json, const std::array<double, N>& values) {
  json.beginObject(true);
  for (std::size_t method = 0; method < N; ++method) {
    json.key(methodName(static_cast<int>(method)));
    json.number(values[method]);
  }
  json.endObject();
}

template <std::size_t N>
void writePerTarget(JsonWriter& json, const std::array<double, N>& values) {
  json.beginObject(true);
  for (std::size_t target = 0; target < N; ++target) {
    json.key(targetName(static_cast<int>(target)));
    json.number(values[target]);
  }
  json.endObject();
}

void writePatterns(JsonWriter& json, const std::vector<PatternRow>& patterns) {
  json.beginArray();
  for (const PatternRow& row : patterns) {
    json.beginObject();
    json.key("pattern");
    json.string(row.pattern);
    json.key("hands");
    json.integer(row.hands);
    json.key("meanResidual");
    writePerMethod(json, row.meanResidual);
    json.endObject();
  }
  json.endArray();
}

void writeTarget(JsonWriter& json, int target, const TargetResults& results) {
  json.beginObject();
  json.key("target");
  json.string(targetName(target));
  json.key("fits");
  json.beginObject();
  for (int method = 0; method < kMethodCount; ++method) {
    json.key(methodName(method));
    writeFit(json, results.fits[static_cast<std::size_t>(method)]);
  }
  json.endObject();
  json.key("calibration");
  json.beginObject();
  for (int method = 0; method < kMethodCount; ++method) {
    json.key(methodName(method));
    writeCalibration(json, results.calibration[static_cast<std::size_t>(method)]);
  }
  json.endObject();
  json.key("patterns");
  writePatterns(json, results.patterns);
  json.endObject();
}

void writeOpening(JsonWriter& json, const std::array<OpeningRow, kOpeningMethodCount>& rows) {
  json.beginObject();
  for (int method = 0; method < kOpeningMethodCount; ++method) {
    const OpeningRow& row = rows[static_cast<std::size_t>(method)];
    json.key(methodName(method));
    json.beginObject();
    json.key("opensShare");
    json.number(row.opensShare);
    json.key("tricksWhenOpens");
    writePerTarget(json, row.tricksWhenOpens);
    json.key("tricksWhenNot");
    writePerTarget(json, row.tricksWhenNot);
    json.key("agreesWith");
    writePerMethod(json, row.agreesWith);
    json.endObject();
  }
  json.endObject();
}

}  // namespace

std::string summaryJson(const StudyResults& results) {
  JsonWriter json;
  json.beginObject();
  json.key("deals");
  json.integer(results.deals);
  json.key("fitSamples");
  json.integer(results.fitSamples);
  json.key("testSamples");
  json.integer(results.testSamples);
  json.key("bootstrapSeed");
  json.unsignedInteger(results.bootstrapSeed);
  json.key("resamples");
  json.integer(results.resamples);
  json.key("targets");
  json.beginArray();
  for (int target = 0; target < kTargetCount; ++target) {
    writeTarget(json, target, results.targets[static_cast<std::size_t>(target)]);
  }
  json.endArray();
  json.key("opening");
  writeOpening(json, results.opening);
  json.endObject();
  return json.text();
}

}  // namespace bidgauge
