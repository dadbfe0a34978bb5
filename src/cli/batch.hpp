#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "cli/row_format.hpp"

namespace bidgauge {

struct BatchRequest {
  BatchFormat format = BatchFormat::tsv;
  std::vector<std::string> files;  // "-" or none: standard input
};

struct BatchStreams {
  std::FILE* in;
  std::FILE* out;
  std::FILE* err;
};

namespace batch_status {
inline constexpr int ok = 0;
inline constexpr int invalidLines = 1;  // every valid line was still printed
inline constexpr int failed = 2;        // an input could not be read or the output not written
}  // namespace batch_status

// Evaluates one hand per input line (typed or dotted) and every seat of the
// Deal tags of PBN input, printing a row each in input order. Invalid lines
// are reported on `err` as "FILE:LINE: message" and skipped.
int runBatch(const BatchRequest& request, const BatchStreams& streams);

}  // namespace bidgauge
