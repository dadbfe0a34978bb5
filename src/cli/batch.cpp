#include "cli/batch.hpp"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "cli/hand_line.hpp"
#include "cli/line_reader.hpp"
#include "cli/output_buffer.hpp"
#include "cli/pbn.hpp"

namespace bidgauge {
namespace {

constexpr std::string_view kStdinName = "<stdin>";

struct Trimmed {
  std::string_view text;
  int firstPosition;  // of text on its line, 1-based
};

Trimmed trimmedLine(std::string_view line) {
  std::size_t end = line.size();
  while (end != 0 && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r')) {
    --end;
  }
  std::size_t begin = 0;
  while (begin != end && (line[begin] == ' ' || line[begin] == '\t')) ++begin;
  return {line.substr(begin, end - begin), static_cast<int>(begin) + 1};
}

// Turns the lines of one input into rows. A PBN input (its first line that is
// no blank or # comment starts with '%' or '[') gives rows for its Deal tags
// only; the auction, play and commentary lines in between are passed over.
class InputReader {
 public:
  InputReader(std::string_view name, BatchFormat format, OutputBuffer& out, std::FILE* err)
      : name_(name), format_(format), out_(out), err_(err) {}

  // The errno that stopped reading, 0 when the input was read to its end.
  int read(std::FILE* file) {
    LineReader reader(file);
    InputLine line;
    while (reader.next(line)) onLine(line);
    flushDeal();
    return reader.failed() ? reader.error() : 0;
  }

  bool anyInvalid() const { return anyInvalid_; }

 private:
  void onLine(const InputLine& line) {
    if (line.tooLong) return report(line.number, "line too long");
    const auto [text, firstPosition] = trimmedLine(line.text);
    if (text.empty()) return endGame();
    if (text[0] == '#') return;
    if (!sawContent_) pbn_ = text[0] == '%' || text[0] == '[';
    sawContent_ = true;
    if (text[0] == '[') return onTag(text, firstPosition, line.number);
    if (pbn_) return;
    flushDeal();
    BatchRow row;
    std::string error;
    if (readHandLine(text, firstPosition, row.hand, error)) {
      emit(row);
    } else {
      report(line.number, error);
    }
  }

  void onTag(std::string_view text, int firstPosition, long number) {
    const PbnTag tag = readTag(text);
    if (tag.name != "Deal" && tag.name != "Board") {
      if (tag.name.empty()) report(number, "malformed tag");
      return;
    }
    if (!tag.wellFormed) return report(number, "malformed " + std::string(tag.name) + " tag");
    std::string error;
    if (tag.name == "Board") {
      // A second board number starts the next game.
      if (deal_ && gameHasBoard_) flushDeal();
      board_ = readBoard(tag.value, error);
      gameHasBoard_ = true;
    } else {
      flushDeal();
      const int valuePosition = firstPosition + static_cast<int>(tag.value.data() - text.data());
      if (std::optional<DealHands> deal = readDeal(tag.value, valuePosition, error)) {
        for (const std::string& seatError : deal->errors) report(number, seatError);
        deal_ = std::move(deal);
      }
    }
    if (!error.empty()) report(number, error);
  }

  void endGame() {
    flushDeal();
    board_.reset();
    gameHasBoard_ = false;
  }

  void flushDeal() {
    if (!deal_) return;
    for (int i = 0; i < deal_->count; ++i) {
      const SeatHand& seat = deal_->seats[static_cast<std::size_t>(i)];
      emit({board_, seat.seat, seat.hand});
    }
    deal_.reset();
    board_.reset();
    gameHasBoard_ = false;
  }

  void emit(const BatchRow& row) {
    char* out = out_.reserve(kMaxRowBytes);
    out_.commit(writeRow(out, format_, row, evaluateAll(row.hand)));
  }

  void report(long number, std::string_view message) {
    anyInvalid_ = true;
    std::fprintf(err_, "%.*s:%ld: %.*s\n", static_cast<int>(name_.size()), name_.data(), number,
                 static_cast<int>(message.size()), message.data());
  }

  std::string_view name_;
  BatchFormat format_;
  OutputBuffer& out_;
  std::FILE* err_;
  bool sawContent_ = false;
  bool pbn_ = false;
  bool anyInvalid_ = false;
  std::optional<long> board_;
  bool gameHasBoard_ = false;
  std::optional<DealHands> deal_;
};

void reportFileError(std::FILE* err, std::string_view name, int error) {
  std::fprintf(err, "bidgauge: %.*s: %s\n", static_cast<int>(name.size()), name.data(),
               std::strerror(error));
}

}  // namespace

int runBatch(const BatchRequest& request, const BatchStreams& streams) {
  OutputBuffer out(streams.out);
  if (request.format == BatchFormat::tsv) out.append(kTsvHeader);
  const std::vector<std::string> standardInput = {"-"};
  const std::vector<std::string>& files = request.files.empty() ? standardInput : request.files;

  bool anyInvalid = false;
  bool anyUnread = false;
  for (const std::string& file : files) {
    const bool isStdin = file == "-";
    const std::string_view name = isStdin ? kStdinName : std::string_view(file);
    std::FILE* in = isStdin ? streams.in : std::fopen(file.c_str(), "rb");
    if (in == nullptr) {
      reportFileError(streams.err, name, errno);
      anyUnread = true;
      continue;
    }
    InputReader reader(name, request.format, out, streams.err);
    const int readError = reader.read(in);
    if (!isStdin) std::fclose(in);
    if (readError != 0) {
      reportFileError(streams.err, name, readError);
      anyUnread = true;
    }
    anyInvalid = anyInvalid || reader.anyInvalid();
    if (out.failed()) break;
  }
  if (!out.flush()) {
    std::fprintf(streams.err, "bidgauge: cannot write the output: %s\n",
                 std::strerror(out.error()));
    return batch_status::failed;
  }
  if (anyUnread) return batch_status::failed;
  return anyInvalid ? batch_status::invalidLines : batch_status::ok;
}

}  // namespace bidgauge
