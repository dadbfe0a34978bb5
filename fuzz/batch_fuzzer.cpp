// Feeds arbitrary bytes to the batch reader: it must not crash, every row must
// read back as its hand with the same values, and every line that the
// command-line mode accepts as a hand must give exactly one row, with the
// values the command-line mode gives it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch.hpp"
#include "batch/blanks.hpp"
#include "batch/hand_entry.hpp"
#include "batch/hand_line.hpp"
#include "batch/row_format.hpp"
#include "evaluators/fused.hpp"

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

// The hand's columns of a row, from the hand column to hcp.
std::string valueColumns(const Hand& hand) {
  RowWriter writer(BatchFormat::tsv, "");
  std::string row(writer.maxRowBytes(), '\0');
  const BatchRow batchRow{{}, 0, hand, 1};
  char* end = writer.write(row.data(), batchRow, evaluateFused(hand));
  row.resize(static_cast<std::size_t>(end - row.data()));
  return row.substr(2, row.rfind('\t') - 2);  // without board, seat and source
}

std::string_view valuesOf(std::string_view row) {
  const std::size_t hand = row.find('\t', row.find('\t') + 1) + 1;
  return row.substr(hand, row.rfind('\t') - hand);
}

// The lines of the input: each ends at a line feed, a carriage return and a
// line feed, or a carriage return alone.
std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\n' && text[at] != '\r') continue;
    lines.push_back(text.substr(start, at - start));
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    start = at + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

long lineOf(std::string_view row) {
  return std::strtol(std::string(row.substr(row.rfind(':') + 1)).c_str(), nullptr, 10);
}

// The hand as `bidgauge HAND` would read the line (a dotted line as its typed form).
HandEntry commandLineHand(std::string_view line) {
  return enterLine(line, formatOf(line), 1);
}

struct Output {
  std::string rows;
  std::string errors;
};

// "bidgauge: warning: ..." or "<stdin>:LINE: warning: ..."; other messages may
// quote the input, so only the start tells.
bool isWarning(std::string_view message) {
  if (message.starts_with("bidgauge: warning: ")) return true;
  constexpr std::string_view kName = "<stdin>:";
  if (!message.starts_with(kName)) return false;
  std::size_t at = kName.size();
  while (at < message.size() && message[at] >= '0' && message[at] <= '9') ++at;
  return at > kName.size() && message.substr(at).starts_with(": warning: ");
}

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
  const ExitStatus status = runBatch(BatchRequest{}, BatchStreams{in, out, err});
  std::fclose(in);
  std::fclose(out);
  std::fclose(err);
  Output output{std::string(outText, outSize), std::string(errText, errSize)};
  std::free(outText);
  std::free(errText);
  check(status == ExitStatus::ok || status == ExitStatus::invalidLines);
  // Warnings leave the status alone; every other message is an invalid line.
  bool anyError = false;
  for (const std::string_view message : split(output.errors, '\n')) {
    anyError = anyError || !isWarning(message);
  }
  check((status == ExitStatus::invalidLines) == anyError);
  return output;
}

// Every row reads back through the command line as the same hand and values.
void checkRowsReadBack(const std::vector<std::string_view>& rows) {
  for (const std::string_view row : rows) {
    const std::vector<std::string_view> columns = split(row, '\t');
    check(columns.size() == 14);
    const HandEntry entry = enterHandText(columns[2]);
    check(entry.complete);
    check(valueColumns(entry.state.hand) == valuesOf(row));
  }
}

// Plain (not PBN) input: each line the command line accepts gives one row, its
// own; other lines give rows in other forms, or none.
void checkLinesGiveRows(std::string_view input, const std::vector<std::string_view>& rows) {
  std::size_t next = 0;
  bool sawContent = false;
  long number = 0;
  for (std::string_view line : linesOf(input)) {
    ++number;
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
    line = trimmedBlanks(line).text;
    if (line.empty() || line.front() == '#') continue;
    // PBN input, or tags among plain lines: only the read-back check applies.
    if (line.front() == '[' ||
        (!sawContent && (line.front() == '%' || line.front() == '{' || line.front() == ';'))) {
      return;
    }
    sawContent = true;
    const std::size_t first = next;
    while (next < rows.size() && lineOf(rows[next]) == number) ++next;
    const HandEntry entry = commandLineHand(line);
    if (!entry.complete) continue;
    check(next == first + 1);
    check(valueColumns(entry.state.hand) == valuesOf(rows[first]));
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
