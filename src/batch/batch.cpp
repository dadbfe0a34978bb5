#include "batch/batch.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "batch/blanks.hpp"
#include "batch/file_open.hpp"
#include "batch/hand_line.hpp"
#include "batch/hand_reader.hpp"
#include "batch/lin.hpp"
#include "batch/line_reader.hpp"
#include "batch/output_buffer.hpp"
#include "batch/pbn.hpp"

namespace bidgauge {
namespace {

constexpr std::string_view kStdinName = "<stdin>";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool sameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char ch) {
      return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// PBN input starts, after any blank or # comment lines, with a tag, a
// comment or a directive.
bool startsPbn(std::string_view text) {
  return text[0] == '%' || text[0] == '[' || text[0] == '{' || text[0] == ';';
}

// Turns the lines of one input into rows. A PBN input gives rows for its Deal
// tags only; the auction, play and commentary in between are passed over.
class InputReader {
 public:
  // `recentDeals` is null when every room's deal is to be given.
  InputReader(BatchSink& sink, RecentDeals* recentDeals) : sink_(sink), recentDeals_(recentDeals) {}

  // The errno that stopped reading, 0 when the input was read to its end.
  int read(std::FILE* file) {
    LineReader reader(file);
    InputLine line;
    while (reader.next(line)) onLine(line, reader);
    flushDeal();
    flushQuick();
    return reader.failed() ? reader.error() : 0;
  }

  bool anyInvalid() const { return anyInvalid_; }
  long rows() const { return rows_; }

 private:
  void onLine(InputLine line, LineReader& reader) {
    // Most lines are a hand alone among plain lines: those go straight through.
    const std::string_view untrimmed = line.text;
    if (!scanner_.midway() && !pbn_ && holdQuick(untrimmed, line.number)) return;
    if (line.number == 1 && line.text.starts_with(kByteOrderMark)) {
      line.text.remove_prefix(kByteOrderMark.size());
    }
    // Only the start of a line too long is at hand: its end is no end of a field.
    const Trimmed trimmed = line.tooLong ? trimmedStart(line.text) : trimmedBlanks(line.text);
    const std::string_view text = trimmed.text;
    if (line.tooLong && (scanner_.midway() || pbn_ || !isLinLine(text))) {
      return report(line.number, "line too long");
    }
    if (scanner_.midway()) return onPbnLine(trimmed, line.number);
    if (text.empty()) return endGame();
    if (text[0] == '#') return;
    if (!sawContent_) pbn_ = startsPbn(text);
    sawContent_ = true;
    if (pbn_ || text[0] == '[') return onPbnLine(trimmed, line.number);
    flushDeal();
    if (isLinLine(text)) return onLinLine(trimmed, line, reader);
    // The untrimmed line was tried first.
    if (text.size() != untrimmed.size() && holdQuick(text, line.number)) return;
    onHandsLine(trimmed, line.number);
  }

  // A line of one hand or one deal, not read quickly.
  void onHandsLine(const Trimmed& line, long number) {
    const LineHands hands = readHandsOfLine(line.text, line.firstPosition);
    for (const std::string& error : hands.deal.errors) report(number, error);
    // A hand alone has no seat.
    if (hands.deal.count > 0 && hands.deal.seats[0].seat != 0) {
      sink_.deal(hands.deal, {hands.board, number, {}});
    }
    for (int i = 0; i < hands.deal.count; ++i) {
      const SeatHand& seat = hands.deal.seats[static_cast<std::size_t>(i)];
      emit({hands.board, seat.seat, seat.hand, number});
    }
  }

  // Holds the line's hand when it is read quickly; it takes no blank at
  // either end, no comment and no tag.
  bool holdQuick(std::string_view text, long number) {
    if (!quickHand(text, quick_.hands[quick_.count])) return false;
    sawContent_ = true;
    if (deal_) {
      // The deal's rows come first, and writing them empties the held hands.
      const Hand hand = quick_.hands[quick_.count];
      flushDeal();
      quick_.hands[quick_.count] = hand;
    }
    quick_.lines[quick_.count] = number;
    if (++quick_.count == QuickHands::kSize) flushQuick();
    return true;
  }

  // A LIN line of any length, read in the parts the reader holds.
  void onLinLine(const Trimmed& start, const InputLine& line, LineReader& reader) {
    lin_.startLine(line.number, start.firstPosition);
    emitLin(lin_.scan(start.text));
    if (line.tooLong) {
      for (std::string_view piece; reader.nextPiece(piece);) emitLin(lin_.scan(piece));
    }
    emitLin(lin_.endLine());
  }

  void emitLin(const std::vector<LinDeal>& deals) {
    for (const LinDeal& deal : deals) {
      for (const std::string& error : deal.deal.errors) report(deal.line, error);
      if (recentDeals_ != nullptr && recentDeals_->repeats(deal)) continue;
      if (deal.deal.count > 0) sink_.deal(deal.deal, {deal.board, deal.line, {}});
      for (int i = 0; i < deal.deal.count; ++i) {
        const SeatHand& seat = deal.deal.seats[static_cast<std::size_t>(i)];
        emit({deal.board, seat.seat, seat.hand, deal.line});
      }
    }
  }

  void onPbnLine(const Trimmed& line, long number) {
    if (line.text.empty() && !scanner_.midway()) return endGame();
    if (sectionOpen_ && !scanner_.midway() && !startsPbn(line.text)) {
      gameTags_.back().section.emplace_back(line.text);
      return;
    }
    for (const ScannedTag& tag : scanner_.scan(line.text, number, line.firstPosition)) onTag(tag);
  }

  void onTag(const ScannedTag& tag) {
    // A tag's section runs to the next tag.
    sectionOpen_ = tag.wellFormed && sink_.keepsTag(tag.name);
    if (sectionOpen_) gameTags_.push_back({tag.name, tag.value, tag.line, {}});
    if (tag.name != "Deal" && tag.name != "Board") {
      if (sameLetters(tag.name, "Deal") || sameLetters(tag.name, "Board")) {
        warn(tag.line, "tag \"" + tag.name + "\" passed over: tag names are case-sensitive");
      } else if (tag.name.empty()) {
        report(tag.line, "malformed tag");
      }
      return;
    }
    if (!tag.wellFormed) return report(tag.line, "malformed " + tag.name + " tag");
    if (tag.name == "Board") return onBoard(tag);
    flushDeal();
    std::string error;
    if (std::optional<DealHands> deal = readDeal(tag.value, tag.valuePosition, error)) {
      for (const std::string& seatError : deal->errors) report(tag.line, seatError);
      deal_ = std::move(deal);
      dealLine_ = tag.line;
    } else {
      report(tag.line, error);
    }
  }

  void onBoard(const ScannedTag& tag) {
    // A second board number starts the next game.
    if (deal_ && gameHasBoard_) flushDeal();
    gameHasBoard_ = true;
    if (tag.value == "#") {
      board_ = lastBoard_;  // the previous game's board
      return;
    }
    std::string error;
    board_ = readBoard(tag.value, error);
    if (!error.empty()) report(tag.line, error);
    if (board_) lastBoard_ = board_;
  }

  void endGame() {
    flushDeal();
    gameTags_.clear();
    sectionOpen_ = false;
    board_.reset();
    gameHasBoard_ = false;
  }

  void flushDeal() {
    if (!deal_) return;
    if (deal_->count > 0) sink_.deal(*deal_, {board_, dealLine_, gameTags_});
    gameTags_.clear();
    sectionOpen_ = false;
    for (int i = 0; i < deal_->count; ++i) {
      const SeatHand& seat = deal_->seats[static_cast<std::size_t>(i)];
      emit({board_, seat.seat, seat.hand, dealLine_});
    }
    deal_.reset();
    board_.reset();
    gameHasBoard_ = false;
  }

  void emit(const BatchRow& row) {
    flushQuick();
    write(row, evaluateFused(row.hand));
  }

  void write(const BatchRow& row, const HandValues& values) {
    sink_.row(row, values);
    ++rows_;
  }

  // Evaluates the held hands in one pass, then writes them in another: the
  // hands do not depend on each other, so the processor works on several at once.
  void flushQuick() {
    std::array<HandValues, QuickHands::kSize> values;
    for (int i = 0; i < quick_.count; ++i) {
      // Built in place: copying a result just stored field by field would wait
      // on the store buffer.
      ::new (&values[i]) HandValues(evaluateFused(quick_.hands[i]));
    }
    const auto count = static_cast<std::size_t>(quick_.count);
    sink_.hands(std::span(quick_.hands).first(count), quick_.lines.data(), values.data());
    rows_ += quick_.count;
    quick_.count = 0;
  }

  void report(long number, std::string_view message) {
    anyInvalid_ = true;
    sink_.invalid(number, message);
  }

  void warn(long number, std::string_view message) { sink_.warning(number, message); }

  BatchSink& sink_;
  PbnScanner scanner_;
  LinScanner lin_;
  RecentDeals* recentDeals_;
  // Plain hand lines read quickly, held until a batch of them is evaluated.
  struct QuickHands {
    static constexpr int kSize = 64;
    std::array<Hand, kSize> hands;
    std::array<long, kSize> lines;
    int count = 0;
  } quick_;
  bool sawContent_ = false;
  bool pbn_ = false;
  bool anyInvalid_ = false;
  long rows_ = 0;
  std::optional<long> board_;
  std::optional<long> lastBoard_;
  bool gameHasBoard_ = false;
  std::optional<DealHands> deal_;
  long dealLine_ = 0;
  // The tags of the game the sink keeps; the last one's section is open
  // while the lines after it are no tags.
  std::vector<GameTag> gameTags_;
  bool sectionOpen_ = false;
};

// Rows written in the requested format, messages as "FILE:LINE: message".
class WrittenInput : public BatchSink {
 public:
  WrittenInput(std::string_view name, BatchFormat format, OutputBuffer& out, std::FILE* err)
      : name_(name), writer_(format, name), out_(out), err_(err) {}

  void hands(std::span<const Hand> hands, const long* lines, const HandValues* values) override {
    // As many rows at a time as the output block surely holds.
    const std::size_t rowBytes = writer_.maxRowBytes();
    const std::size_t perBlock = std::max<std::size_t>(1, OutputBuffer::kFirstCapacity / rowBytes);
    for (std::size_t done = 0; done < hands.size();) {
      const std::size_t batch = std::min(hands.size() - done, perBlock);
      char* out = out_.reserve(batch * rowBytes);
      out_.commit(writer_.writeHands(out, hands.subspan(done, batch), &lines[done], &values[done]));
      done += batch;
    }
  }

  void row(const BatchRow& row, const HandValues& values) override {
    char* out = out_.reserve(writer_.maxRowBytes());
    out_.commit(writer_.write(out, row, values));
  }

  void invalid(long line, std::string_view message) override {
    std::fprintf(err_, "%.*s:%ld: ", static_cast<int>(name_.size()), name_.data(), line);
    // The message is the caller's and outlives the call, whatever cppcheck infers.
    // cppcheck-suppress invalidLifetime
    std::fwrite(message.data(), 1, message.size(), err_);
    std::fputc('\n', err_);
  }

  void warning(long line, std::string_view message) override {
    std::fprintf(err_, "%.*s:%ld: warning: %.*s\n", static_cast<int>(name_.size()), name_.data(),
                 line, static_cast<int>(message.size()), message.data());
  }

 private:
  std::string_view name_;
  RowWriter writer_;
  OutputBuffer& out_;
  std::FILE* err_;
};

void reportFileError(std::FILE* err, std::string_view name, int error) {
  std::fprintf(err, "bidgauge: %.*s: %s\n", static_cast<int>(name.size()), name.data(),
               std::strerror(error));
}

}  // namespace

BatchInputRead readBatchInput(std::FILE* in, BatchSink& sink, RecentDeals* recentDeals) {
  InputReader reader(sink, recentDeals);
  const int error = reader.read(in);
  return {reader.rows(), reader.anyInvalid(), error};
}

ExitStatus runBatch(const BatchRequest& request, const BatchStreams& streams) {
  OutputBuffer out(streams.out);
  if (request.header) out.append(headerOf(request.format));
  const std::vector<std::string> standardInput = {"-"};
  const std::vector<std::string>& files = request.files.empty() ? standardInput : request.files;

  bool anyInvalid = false;
  bool anyUnread = false;
  long rows = 0;
  // Kept across files: the rooms of a match may come in files of their own.
  RecentDeals recentDeals;
  for (const std::string& file : files) {
    const bool isStdin = file == "-";
    const std::string_view name = isStdin ? kStdinName : std::string_view(file);
    std::FILE* in = isStdin ? streams.in : openForReading(file);
    if (in == nullptr) {
      reportFileError(streams.err, name, errno);
      anyUnread = true;
      continue;
    }
    WrittenInput written(name, request.format, out, streams.err);
    const BatchInputRead read =
        readBatchInput(in, written, request.allRooms ? nullptr : &recentDeals);
    if (!isStdin) std::fclose(in);
    if (read.error != 0) {
      reportFileError(streams.err, name, read.error);
      anyUnread = true;
    }
    anyInvalid = anyInvalid || read.anyInvalid;
    rows += read.rows;
    if (out.failed()) break;
  }
  if (!out.flush()) {
    std::fprintf(streams.err, "bidgauge: cannot write the output: %s\n",
                 std::strerror(out.error()));
    return ExitStatus::failed;
  }
  if (rows == 0 && !anyUnread) std::fprintf(streams.err, "bidgauge: warning: no hand found\n");
  if (anyUnread) return ExitStatus::failed;
  return anyInvalid ? ExitStatus::invalidLines : ExitStatus::ok;
}

}  // namespace bidgauge
