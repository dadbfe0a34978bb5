// Feeds arbitrary bytes to the batch reader: it must not crash, and every line
// that the command-line mode accepts as a hand must come out, in order, with
// exactly the values the command-line mode gives it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.hpp"
#include "cli/hand_entry.hpp"
#include "cli/hand_line.hpp"
#include "cli/row_format.hpp"
#include "evaluators/evaluation.hpp"

namespace {

using namespace bidgauge;

void check(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos;
       start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) parts.push_back(text.substr(start));
  return parts;
}

std::string_view trimmed(std::string_view line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) {
    line.remove_suffix(1);
  }
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  return line;
}

std::string rowFor(const Hand& hand) {
  std::string row(kMaxRowBytes, '\0');
  const BatchRow batchRow{{}, 0, hand};
  char* end = writeRow(row.data(), BatchFormat::tsv, batchRow, evaluateAll(hand));
  row.resize(static_cast<std::size_t>(end - row.data()));
  return row;
}

// The hand as `bidgauge HAND` would read the line (a dotted line as its typed form).
HandEntry commandLineHand(std::string_view line) {
  return enterKeys(keysOfLine(line, formatOf(line), 1));
}

struct Output {
  std::string rows;
  std::string errors;
};

Output runOn(const std::uint8_t* data, std::size_t size) {
  std::FILE* in = size == 0 ? std::fopen("/dev/null", "r")
                            : fmemopen(const_cast<std::uint8_t*>(data), size, "r");
  check(in != nullptr);
  char* outText = nullptr;
  char* errText = nullptr;
  std::size_t outSize = 0;
  std::size_t errSize = 0;
  std::FILE* out = open_memstream(&outText, &outSize);
  std::FILE* err = open_memstream(&errText, &errSize);
  const int status = runBatch(BatchRequest{}, BatchStreams{in, out, err});
  std::fclose(in);
  std::fclose(out);
  std::fclose(err);
  Output output{std::string(outText, outSize), std::string(errText, errSize)};
  std::free(outText);
  std::free(errText);
  check(status == batch_status::ok || status == batch_status::invalidLines);
  check((status == batch_status::invalidLines) == !output.errors.empty());
  return output;
}

// Every row reads back through the command line as the same hand and values.
void checkRowsReadBack(const std::vector<std::string_view>& rows) {
  for (const std::string_view row : rows) {
    const std::vector<std::string_view> columns = split(row, '\t');
    check(columns.size() == 12);
    const HandEntry entry = enterHandText(columns[2]);
    check(entry.complete);
    const std::string expected = rowFor(entry.state.hand);
    // Compare all but the board and seat, which only PBN input has.
    const std::string_view fromHand = row.substr(row.find('\t', row.find('\t') + 1));
    check(expected.substr(1, expected.size() - 2) == fromHand);
  }
}

// Plain (not PBN) input: each line the command line accepts gives the next row.
void checkLinesGiveRows(std::string_view input, const std::vector<std::string_view>& rows) {
  std::size_t next = 0;
  bool sawContent = false;
  for (std::string_view line : split(input, '\n')) {
    line = trimmed(line);
    if (line.empty() || line.front() == '#') continue;
    // PBN input, or tags among plain lines: only the read-back check applies.
    if (line.front() == '[' || (!sawContent && line.front() == '%')) return;
    sawContent = true;
    const HandEntry entry = commandLineHand(line);
    if (!entry.complete) continue;
    check(next < rows.size());
    const std::string expected = rowFor(entry.state.hand);
    check(std::string(rows[next++]) + "\n" == expected);
  }
  check(next == rows.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size >= 60000) return 0;  // longer lines are refused as too long
  const Output output = runOn(data, size);
  check(output.rows.rfind(kTsvHeader, 0) == 0);
  std::vector<std::string_view> rows =
      split(std::string_view(output.rows).substr(kTsvHeader.size()), '\n');
  checkRowsReadBack(rows);
  checkLinesGiveRows(std::string_view(reinterpret_cast<const char*>(data), size), rows);
  return 0;
}
