#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "hand/hand.hpp"
#include "evaluators/evaluation.hpp"

namespace bidgauge {

enum class BatchFormat { tsv, jsonl };

// One evaluated hand of batch output. Board and seat are known for hands from
// a PBN deal only.
struct BatchRow {
  std::optional<long> board;
  char seat = 0;  // 'N', 'E', 'S', 'W', or 0
  Hand hand;
};

inline constexpr std::string_view kTsvHeader =
    "board\tseat\thand\tknr\tknr_opens\tzar\tzar_opens\tkleinman\tkleinman_quality\t"
    "kleinman_opens\thonor_tricks\thonor_tricks_opens\n";

// Room to give writeRow: no row is longer, whatever the hand and board, and
// the writer may scribble a little past the row's end.
inline constexpr std::size_t kMaxRowBytes = 320;

// The hand on one line: the suits in order separated by one blank, named cards
// from the Ace down with the ten as T, then an x per spot card, '-' for a void:
// "AKT9xx - QJxxx T2". The typed form that reads back as the same hand.
std::string handText(const Hand& hand);

// Room to give writeHandText: the longest text is 19 bytes, and the writer may
// scribble up to 16 bytes past its end.
inline constexpr std::size_t kHandTextRoom = 48;
char* writeHandText(char* out, const Hand& hand);

// Writes one line of output (at most kMaxRowBytes) and returns its end.
char* writeRow(char* out, BatchFormat format, const BatchRow& row, const Evaluation& evaluation);

}  // namespace bidgauge
