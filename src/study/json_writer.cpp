#include "study/json_writer.hpp"

#include <cmath>

#include "batch/json_text.hpp"
#include "study/report_numbers.hpp"

namespace bidgauge {

void JsonWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  Level& level = levels_.back();
  if (!level.empty) out_ += level.oneLine ? ", " : ",";
  if (!level.oneLine) {
    out_ += '\n';
    out_.append(levels_.size() * 2, ' ');
  }
  level.empty = false;
}

void JsonWriter::open(char bracket, bool oneLine) {
  beforeValue();
  out_ += bracket;
  // Inside a one-liner everything stays on its line.
  levels_.push_back({oneLine || (!levels_.empty() && levels_.back().oneLine), true});
}

void JsonWriter::close(char bracket) {
  const Level level = levels_.back();
  levels_.pop_back();
  if (!level.oneLine && !level.empty) {
    out_ += '\n';
    out_.append(levels_.size() * 2, ' ');
  }
  out_ += bracket;
}

void JsonWriter::key(std::string_view name) {
  beforeValue();
  appendJsonString(out_, name);
  out_ += ": ";
  afterKey_ = true;
}

void JsonWriter::string(std::string_view text) {
  beforeValue();
  appendJsonString(out_, text);
}

void JsonWriter::number(double value) {
  beforeValue();
  out_ += std::isfinite(value) ? exactNumber(value) : "null";
}

void JsonWriter::integer(std::int64_t value) {
  beforeValue();
  out_ += std::to_string(value);
}

void JsonWriter::unsignedInteger(std::uint64_t value) {
  beforeValue();
  out_ += std::to_string(value);
}

}  // namespace bidgauge
