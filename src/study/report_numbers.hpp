#pragma once

#include <string>

#include "study/study_results.hpp"

namespace bidgauge {

// Every digit a double needs to be read back exactly (shortest round trip);
// "NaN", "inf" or "-inf" for the values that are no number.
std::string exactNumber(double value);

// `value` with `decimals` places, never "-0.00"; "-" when it is no number.
std::string fixedNumber(double value, int decimals);

// A correlation the way statistics writes it: no leading zero (".81").
std::string correlationNumber(double value);

// "[0.80,0.83]": an estimate's 95% interval, each end as `format` gives it.
template <typename Format>
std::string intervalText(const Estimate& estimate, Format format) {
  return "[" + format(estimate.low) + "," + format(estimate.high) + "]";
}

// Whether an estimate's interval leaves zero out: a difference the
// resamples agree on.
inline bool excludesZero(const Estimate& estimate) {
  return estimate.low > 0 || estimate.high < 0;
}

// "35.2%" of a share between 0 and 1.
std::string percentText(double share);

}  // namespace bidgauge
