#pragma once

#include <cstdio>
#include <string>
#include <vector>

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

}  // namespace bidgauge
