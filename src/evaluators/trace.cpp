#include "evaluators/trace.hpp"

#include <cstdlib>

namespace bidgauge {

void RecordingTrace::record(int units, std::string reason) {
  std::string value = units > 0 ? "+" : "";
  value += formatPoints(units, unitsPerPoint_);
  terms_.push_back(BreakdownTerm{suit_, std::move(reason), std::move(value)});
}

std::string formatPoints(int units, int unitsPerPoint) {
  const int hundredths = std::abs(units) * (100 / unitsPerPoint);
  std::string text = units < 0 ? "-" : "";
  text += std::to_string(hundredths / 100);
  if (const int fraction = hundredths % 100; fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

}  // namespace bidgauge
