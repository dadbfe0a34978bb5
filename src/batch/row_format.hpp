#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "evaluators/fused.hpp"
#include "hand/hand.hpp"

namespace bidgauge {

enum class BatchFormat { tsv, csv, jsonl };

// One evaluated hand of batch output. Board and seat are known when the
// input gives them.
struct BatchRow {
  std::optional<long> board;
  char seat = 0;     // 'N', 'E', 'S', 'W', or 0
  const Hand& hand;  // read in place: copying a hand just built stalls the store buffer
  long line = 0;     // where the hand or its deal was read
};

inline constexpr std::string_view kTsvHeader =
    "board\tseat\thand\tknr\tknr_opens\tzar\tzar_opens\tkleinman\tkleinman_quality\t"
    "kleinman_opens\thonor_tricks\thonor_tricks_opens\thcp\tsource\n";

// The header line of a format: the column names, none for JSON lines.
std::string headerOf(BatchFormat format);

// Writes rows of one input, whose name makes the source column.
class RowWriter {
 public:
  RowWriter(BatchFormat format, std::string_view sourceName);

  // Room to give write(): no row is longer, and the writer may scribble a
  // little past the row's end.
  std::size_t maxRowBytes() const { return kMostFixedBytes + sourceHead_.size(); }

  // Writes one line of output and returns its end.
  char* write(char* out, const BatchRow& row, const HandValues& values);

  // Writes a row for each of `hands`, with neither board nor seat; `lines`
  // and `values` hold as many. Give it maxRowBytes() for each hand.
  char* writeHands(char* out, std::span<const Hand> hands, const long* lines,
                   const HandValues* values);

 private:
  static constexpr std::size_t kMostFixedBytes = 640;
  static constexpr std::size_t kChunk = 32;  // the source text is copied in whole chunks

  template <BatchFormat kFormat>
  char* writeRow(char* out, const BatchRow& row, const HandValues& values);
  template <BatchFormat kFormat>
  char* writeHandsAs(char* out, std::span<const Hand> hands, const long* lines,
                     const HandValues* values);

  // The source column's text and the row's end for `line`: rows come line
  // after line, so the number is mostly counted on from the last row's.
  void setLine(long line);

  BatchFormat format_;
  std::string sourceHead_;  // up to the line number of the source column
  std::string rowEnd_;
  std::string source_;  // sourceHead_, the line number and rowEnd_, then room to copy chunks
  std::size_t sourceLength_ = 0;
  std::size_t lastDigit_ = 0;  // where the line number ends in source_
  long line_ = -1;
};

// The hand on one line: the suits in order separated by one blank, named cards
// from the Ace down with the ten as T, then an x per spot card, '-' for a void:
// "AKT9xx - QJxxx T2". The typed form that reads back as the same hand.
std::string handText(const Hand& hand);

// Room to give writeHandText: the longest text is 19 bytes, and the writer may
// scribble up to 16 bytes past its end.
inline constexpr std::size_t kHandTextRoom = 48;
char* writeHandText(char* out, const Hand& hand);

}  // namespace bidgauge
