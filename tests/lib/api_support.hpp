#pragma once

#include <string>
#include <string_view>

#include "bidgauge/bidgauge.h"

namespace bidgauge {

// The hand of a text the C API must read; an empty hand if it does not.
inline bidgauge_hand apiRead(std::string_view text) {
  bidgauge_hand hand{};
  bidgauge_read_hand(text.data(), text.size(), &hand, nullptr);
  return hand;
}

inline bidgauge_valuation apiEvaluate(std::string_view text) {
  const bidgauge_hand hand = apiRead(text);
  bidgauge_valuation valuation{};
  bidgauge_evaluate(&hand, &valuation);
  return valuation;
}

inline std::string apiHandText(const bidgauge_hand& hand) {
  char text[BIDGAUGE_HAND_TEXT_SIZE] = "?";
  bidgauge_hand_text(&hand, text);
  return text;
}

}  // namespace bidgauge
