#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "hand/hand.hpp"

namespace bidgauge {

// One hand read from text: the hand, or what is wrong and where.
struct HandReading {
  std::optional<Hand> hand;
  std::string error;
  int position = 0;  // 1-based, of the character the error is about; 0 if none
};

// Reads one hand in any form a batch line may take; blanks around it are
// no part of it. Reading a well-formed hand allocates nothing.
HandReading readOneHand(std::string_view text);

}  // namespace bidgauge
