#include "web/hand_api.hpp"

#include <string>

#include "batch/hand_reader.hpp"
#include "batch/json_text.hpp"
#include "batch/row_format.hpp"
#include "evaluators/evaluation.hpp"
#include "evaluators/fused.hpp"
#include "results/explanation.hpp"
#include "results/result_text.hpp"

namespace bidgauge {
namespace {

std::string errorJson(const HandReading& reading) {
  std::string out = "{\"ok\":false,\"error\":";
  appendJsonString(out, reading.error);
  out += ",\"position\":" + std::to_string(reading.position) + '}';
  return out;
}

}  // namespace

std::string evaluationJson(std::string_view text) {
  const HandReading reading = readOneHand(text);
  if (!reading.hand) return errorJson(reading);
  RowWriter writer(BatchFormat::jsonl, "");
  std::string row(writer.maxRowBytes(), '\0');
  const char* end = writer.write(row.data(), BatchRow{std::nullopt, 0, *reading.hand, 1},
                                 evaluateFused(*reading.hand));
  // A row without a deal opens with these fields; a hand given as text comes
  // from no file, so the row's source field goes too.
  constexpr std::string_view kNoDeal = "{\"board\":null,\"seat\":null,";
  std::string_view fields(row.data(), static_cast<std::size_t>(end - row.data()));
  fields.remove_prefix(kNoDeal.size());
  fields = fields.substr(0, fields.rfind(",\"source\":"));
  return "{\"ok\":true," + std::string(fields) + '}';
}

std::string explanationJson(std::string_view text) {
  const HandReading reading = readOneHand(text);
  if (!reading.hand) return errorJson(reading);
  std::string out = "{\"ok\":true,\"text\":";
  appendJsonString(out, explanationText(*reading.hand, computeResults(*reading.hand)));
  return out + '}';
}

}  // namespace bidgauge
