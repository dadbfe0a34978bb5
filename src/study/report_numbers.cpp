#include "study/report_numbers.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace bidgauge {

std::string exactNumber(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  std::array<char, 32> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  return std::string(digits.data(), result.ptr);
}

std::string fixedNumber(double value, int decimals) {
  if (!std::isfinite(value)) return "-";
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
  std::string result = text.data();
  // A tiny negative rounds to "-0.00", which reads as a sign that is not there.
  if (result.front() == '-' && result.find_first_not_of("-0.") == std::string::npos) {
    result.erase(0, 1);
  }
  return result;
}

std::string correlationNumber(double value) {
  std::string text = fixedNumber(value, 2);
  const std::size_t zero = text.find("0.");
  if (zero == 0 || (zero == 1 && text.front() == '-')) text.erase(zero, 1);
  return text;
}

std::string percentText(double share) {
  const std::string number = fixedNumber(share * 100, 1);
  return number == "-" ? number : number + "%";
}

}  // namespace bidgauge
