#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/deal.hpp"

namespace bidgauge {

// The deal of one LIN md| field, with its board and the line it is on.
struct LinDeal {
  std::optional<long> board;
  DealHands deal;  // a malformed field leaves only its reason in deal.errors
  long line = 0;
};

// A LIN line holds an md| field: one starts the line or follows a bar.
bool isLinLine(std::string_view text);

// Reads the fields of LIN lines ("pn|...|st||md|...|ah|Board 7|...|pg||"),
// a line in as many parts as it comes in, holding no more than a field of
// interest: a line of any length takes the same memory. Every md| field gives
// a deal. Its board is that of a qx|o7| or qx|c7| field (the open or closed
// room of board 7) before it, or of an ah|Board 7| field before or after it,
// up to the next deal.
class LinScanner {
 public:
  // A new line starts; `firstPosition` is that of its first character given to scan().
  void startLine(long number, long firstPosition);
  // The deals completed by the line's next characters.
  std::vector<LinDeal> scan(std::string_view text);
  // The deals the line's end completes.
  std::vector<LinDeal> endLine();

 private:
  enum class Field { other, deal, room, header };  // md|, qx|, ah| and the rest

  void endToken(std::vector<LinDeal>& deals);
  void onValue(std::string_view value, std::vector<LinDeal>& deals);
  void finishDeal(std::vector<LinDeal>& deals);

  long line_ = 0;
  long column_ = 1;  // of the next character scanned
  // The field being read: its name when a name is expected, else its value.
  std::string token_;  // held only as far as it matters
  std::size_t tokenLength_ = 0;
  long tokenColumn_ = 1;
  bool nameExpected_ = true;
  Field field_ = Field::other;  // whose value the token is
  // The deal read last, still open to a board from an ah| field.
  std::optional<LinDeal> open_;
  bool openBoardFromHeader_ = false;
  // A board given before its deal.
  std::optional<long> nextBoard_;
  bool nextBoardFromHeader_ = false;
};

// The last deals given, to know a deal repeated for the other room of a team
// match (or another table of a tournament): same board, same hands.
class RecentDeals {
 public:
  static constexpr std::size_t kKept = 64;

  // True when the deal was among the last kKept deals given; otherwise it is
  // now one of them. A deal with an error is never a repeat.
  bool repeats(const LinDeal& deal);

 private:
  struct Kept {
    std::optional<long> board;
    std::array<SeatHand, 4> seats;
    int count = 0;
  };
  std::array<Kept, kKept> kept_;
  std::size_t size_ = 0;
  std::size_t next_ = 0;
};

}  // namespace bidgauge
