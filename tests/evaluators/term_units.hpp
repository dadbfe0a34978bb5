#pragma once

#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "evaluators/breakdown.hpp"

namespace bidgauge {

// A term's value, e.g. "+4.55" or "-0.5", in units of 1 / unitsPerPoint (which divides 100);
// nothing when the text is not a signed decimal with at most two decimals.
inline std::optional<int> termUnits(std::string_view value, int unitsPerPoint) {
  if (value.size() < 2 || (value[0] != '+' && value[0] != '-')) return std::nullopt;
  const int sign = value[0] == '-' ? -1 : 1;
  int hundredths = 0;
  int decimals = -1;
  for (const char c : value.substr(1)) {
    if (c == '.' && decimals < 0) {
      decimals = 0;
      continue;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) == 0 || decimals == 2) return std::nullopt;
    hundredths = hundredths * 10 + (c - '0');
    if (decimals >= 0) ++decimals;
  }
  if (decimals == 0) return std::nullopt;
  for (int i = decimals < 0 ? 0 : decimals; i < 2; ++i) hundredths *= 10;
  const int units = hundredths * unitsPerPoint;
  if (units % 100 != 0) return std::nullopt;
  return sign * units / 100;
}

}  // namespace bidgauge
