#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hand/hand.hpp"

namespace bidgauge {

// The seats in dealing order, clockwise.
inline constexpr std::string_view kSeats = "NESW";

// 0 to 3 for N, E, S, W in either case; -1 for anything else.
int seatIndex(char letter);

// One seat of a deal; a hand given as "-" (not known) is left out.
struct SeatHand {
  char seat = 0;  // 'N', 'E', 'S' or 'W'; 0 for a hand of no seat
  Hand hand;
};

struct DealHands {
  std::array<SeatHand, 4> seats;
  int count = 0;
  // One per seat whose hand is not valid ("seat E: ..."), and a card in two
  // hands, or in a deal of four hands in none: then the deal has no hand at all.
  std::vector<std::string> errors;

  void add(char seat, const Hand& hand) { seats[static_cast<std::size_t>(count++)] = {seat, hand}; }
};

// A deal string: the first seat's letter, a colon and the four hands in
// dealing order in dotted form, as in a PBN Deal tag ("N:AKQJ.T98.765.432 -
// ..."). Nothing, with the reason in `error`, when the string itself is
// malformed. `firstPosition` is the string's position on its line.
std::optional<DealHands> readDealString(std::string_view value, int firstPosition,
                                        std::string& error);

// The one-line output of deal generators: an optional deal number, then each
// seat's letter and hand ("1 n AKQ.T98.765.432 e ..."). Nothing when the text
// is not of that form.
std::optional<DealHands> readGeneratorLine(std::string_view text, int firstPosition,
                                           std::optional<long>& board);

// The value of a LIN deal field ("md|3SAKQHJ94DT52CJ2,S...,S...,|"): the
// dealer's digit, then the hands of South, West, North and East with suit
// letters, separated by commas. The fourth hand may be left out: it is then
// the cards the others do not hold. Nothing, with the reason in `error`, when
// the value is malformed. `firstPosition` is the value's position on its line.
std::optional<DealHands> readLinDeal(std::string_view value, int firstPosition, std::string& error);

// A board number: up to 9 digits and nothing else.
std::optional<long> boardNumber(std::string_view text);

}  // namespace bidgauge
