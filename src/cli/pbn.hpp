#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hand/hand.hpp"

namespace bidgauge {

// A PBN tag pair, [Name "value"], as read from one line.
struct PbnTag {
  std::string_view name;
  std::string_view value;   // escapes left as written
  bool wellFormed = false;  // quotes and brackets in place, nothing after them
};

// The tag on a line that starts with '['.
PbnTag readTag(std::string_view line);

// One seat of a deal; a hand given as "-" (not known) is left out.
struct SeatHand {
  char seat = 0;  // 'N', 'E', 'S' or 'W'
  Hand hand;
};

struct DealHands {
  std::array<SeatHand, 4> seats;
  int count = 0;
  std::vector<std::string> errors;  // one per seat whose hand is not valid: "seat E: ..."
};

// The value of a Deal tag: the first seat's letter, a colon and the four hands
// in dealing order (clockwise N E S W) in dotted form. Nothing, with the reason
// in `error`, when the tag itself is malformed. `firstPosition` is the
// value's position on its line, for messages about single characters.
std::optional<DealHands> readDeal(std::string_view value, int firstPosition, std::string& error);

// The value of a Board tag: a board number, or nothing for "" and "?" (PBN's
// "not applicable" and "unknown"); `error` says why a value is no number.
std::optional<long> readBoard(std::string_view value, std::string& error);

}  // namespace bidgauge
