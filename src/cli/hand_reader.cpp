#include "cli/hand_reader.hpp"

#include <charconv>

#include "cli/hand_line.hpp"

namespace bidgauge {
namespace {

constexpr std::string_view kSurroundingBlanks = " \t\r\n";

// The position a message ends with ("... at position 12"), 0 when it names none.
int positionInMessage(std::string_view message) {
  constexpr std::string_view kMarker = " at position ";
  const std::size_t at = message.rfind(kMarker);
  if (at == std::string_view::npos) return 0;
  const std::string_view digits = message.substr(at + kMarker.size());
  int position = 0;
  const auto [end, status] =
      std::from_chars(digits.data(), digits.data() + digits.size(), position);
  return status == std::errc{} && end == digits.data() + digits.size() ? position : 0;
}

}  // namespace

HandReading readOneHand(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(kSurroundingBlanks);
  const std::size_t end = text.find_last_not_of(kSurroundingBlanks);
  const std::string_view trimmed =
      begin == std::string_view::npos ? std::string_view{} : text.substr(begin, end + 1 - begin);
  const int firstPosition = begin == std::string_view::npos ? 1 : static_cast<int>(begin) + 1;

  HandReading reading;
  Hand hand;
  if (readHandLine(trimmed, firstPosition, hand, reading.error)) {
    reading.hand = hand;
  } else {
    reading.position = positionInMessage(reading.error);
  }
  return reading;
}

}  // namespace bidgauge
