#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "batch/deal.hpp"
#include "hand/hand.hpp"

namespace bidgauge {

// A hand read from text, or why the text is no hand.
struct HandReading {
  std::optional<Hand> hand;
  std::string error;
  int position = 0;  // 1-based position of the character at fault; 0 if none
};

// One hand in any form the batch reader takes for one hand: typed
// ("AK1098 Q72 KJ4 32"), dotted ("AKT98.Q72.KJ4.32") or with suit labels
// ("S:AKT98 H:Q72 D:KJ4 C:32", or suit symbols, suits in any order).
HandReading readOneHand(std::string_view text);

// A hand with suit labels: S, H, D or C (either case, a colon after it
// optional) or a suit symbol before each suit's cards; a suit left out is a
// void. Positions count from firstPosition.
HandReading readLabelledHand(std::string_view text, int firstPosition);

// The suit a label names: S, H, D or C in either case, or a suit symbol
// (black or white) as one UTF-8 character; -1 for anything else.
int suitOfLabel(std::string_view label);

// What one line of hand input holds: one hand (seat 0), or the hands of a
// deal, with the board when the line gives it.
struct LineHands {
  std::optional<long> board;
  DealHands deal;
};

// Reads a line (without blanks at either end) in whichever form it is
// written: a hand as readOneHand takes it, a deal string ("N:...") or a deal
// generator's line. An invalid hand or deal leaves its reasons in
// deal.errors. A LIN line, which may hold any number of deals, is read by a
// LinScanner instead.
LineHands readHandsOfLine(std::string_view text, int firstPosition);

}  // namespace bidgauge
