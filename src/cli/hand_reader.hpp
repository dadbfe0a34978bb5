#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "hand/hand.hpp"

namespace bidgauge {

// One hand read from text in any form the batch reader takes, or why not:
// the message and the 1-based position it points at (0 when it names none).
struct HandReading {
  std::optional<Hand> hand;
  std::string error;
  int position = 0;
};

HandReading readOneHand(std::string_view text);

}  // namespace bidgauge
