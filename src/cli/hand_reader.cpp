#include "cli/hand_reader.hpp"

#include <charconv>

#include "cli/hand_line.hpp"

namespace bidgauge {
namespace {

// The N of a message ending "... at position N", else 0.
int positionIn(std::string_view message) {
  constexpr std::string_view kMarker = " at position ";
  const std::size_t at = message.rfind(kMarker);
  if (at == std::string_view::npos) return 0;
  const std::string_view digits = message.substr(at + kMarker.size());
  int position = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), position);
  return error == std::errc{} && end == digits.data() + digits.size() ? position : 0;
}

}  // namespace

HandReading readOneHand(std::string_view text) {
  Hand hand;
  std::string error;
  if (readHandLine(text, 1, hand, error)) return {hand, {}, 0};
  const int position = positionIn(error);
  return {std::nullopt, std::move(error), position};
}

}  // namespace bidgauge
