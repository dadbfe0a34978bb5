#pragma once

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/deal.hpp"
#include "batch/exit_status.hpp"
#include "batch/row_format.hpp"

namespace bidgauge {

struct BatchRequest {
  BatchFormat format = BatchFormat::tsv;
  std::vector<std::string> files;  // "-" or none: standard input
  bool header = true;              // the column names first (TSV and CSV)
  // A LIN deal repeated for the same board (the other room of a team match)
  // gives its rows again; by default only its first time does.
  bool allRooms = false;
};

struct BatchStreams {
  std::FILE* in;
  std::FILE* out;
  std::FILE* err;
};

// Evaluates every hand of the input, one row each in input order: a hand or
// a deal per line in any of the forms readHandsOfLine takes, the deals of LIN
// lines, or the Deal tags of PBN input. Invalid lines are reported on `err` as "FILE:LINE: message"
// and skipped (ExitStatus::invalidLines); an input with no hand at all is
// warned about.
ExitStatus runBatch(const BatchRequest& request, const BatchStreams& streams);

// A tag of a PBN game kept for BatchSink::deal, with the lines of its
// section when it has one (the rows of a table tag such as a score table).
struct GameTag {
  std::string name;
  std::string value;
  long line = 0;
  std::vector<std::string> section;
};

// Where a deal read whole was found.
struct DealPlace {
  std::optional<long> board;
  long line = 0;
  std::span<const GameTag> tags;  // of its PBN game, those the sink keeps
};

// Where the rows and messages of one input go, in input order.
class BatchSink {
 public:
  virtual ~BatchSink() = default;
  // Rows of hands alone on their lines, with neither board nor seat: hands[i]
  // from line lines[i], valued values[i].
  virtual void hands(std::span<const Hand> hands, const long* lines, const HandValues* values) = 0;
  virtual void row(const BatchRow& row, const HandValues& values) = 0;
  // A line, or part of one, that gives no row, and why.
  virtual void invalid(long line, std::string_view message) = 0;
  // Something read that may not be what the writer meant; rows go on.
  virtual void warning(long line, std::string_view message) = 0;
  // A deal read whole, from a deal string or generator line, a LIN md|
  // field or a PBN Deal tag, just before its rows: for readers that want
  // the deal rather than its hands. Hands read alone give none.
  virtual void deal(const DealHands& /*deal*/, const DealPlace& /*place*/) {}
  // Whether deal() is to be given the PBN tags of this name, with their sections.
  virtual bool keepsTag(std::string_view /*name*/) const { return false; }
};

struct BatchInputRead {
  long rows = 0;
  bool anyInvalid = false;
  int error = 0;  // the errno that stopped reading, 0 when the input was read to its end
};

class RecentDeals;

// Reads one input as runBatch reads each of its files, handing every row and
// message to `sink` as it goes: the library's bulk reading is the batch mode's.
// A LIN deal among `recentDeals` gives no rows again; null gives every room's.
BatchInputRead readBatchInput(std::FILE* in, BatchSink& sink, RecentDeals* recentDeals);

}  // namespace bidgauge
