#include "study/study_input.hpp"

#include <array>
#include <cerrno>
#include <memory>
#include <optional>

#include "batch/batch.hpp"
#include "batch/blanks.hpp"
#include "batch/lin.hpp"
#include "batch/line_reader.hpp"
#include "study/game_tricks.hpp"
#include "study/tricks_cache.hpp"
#include "study/whole_deal.hpp"

namespace bidgauge {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A line's text without a byte order mark before the first and blanks at either end.
std::string_view contentOf(const InputLine& line) {
  std::string_view text = line.text;
  if (line.number == 1 && text.starts_with(kByteOrderMark))
    text.remove_prefix(kByteOrderMark.size());
  return trimmedBlanks(text).text;
}

// Collects the messages of one input, each with its name and line.
class Messages {
 public:
  Messages(std::string_view name, StudyInput& into) : name_(name), into_(into) {}

  void passOver(long line, std::string_view message) {
    into_.anyInvalid = true;
    add(line, message);
  }
  void warn(long line, std::string_view message) { add(line, "warning: " + std::string(message)); }

 private:
  void add(long line, std::string_view message) {
    into_.messages.push_back(std::string(name_) + ":" + std::to_string(line) + ": " +
                             std::string(message));
  }

  std::string_view name_;
  StudyInput& into_;
};

// Why a deal read without error is no whole deal.
std::string unusableReason(const DealHands& read) {
  if (read.count != kSeatCount) {
    return "deal passed over: " + std::to_string(read.count) +
           " hands given, the study needs all 4";
  }
  return "deal passed over: spot cards written as x, the study needs every card";
}

// Takes the deals the batch reader finds and passes over the hands it reads alone.
class StudySink final : public BatchSink {
 public:
  StudySink(std::string_view name, StudyInput& into) : messages_(name, into), into_(into) {}

  void hands(std::span<const Hand> hands, const long* lines,
             const HandValues* /*values*/) override {
    for (std::size_t i = 0; i < hands.size(); ++i) handAlone(lines[i]);
  }

  void row(const BatchRow& row, const HandValues& /*values*/) override {
    if (row.line != dealLine_) handAlone(row.line);
  }

  void invalid(long line, std::string_view message) override {
    messages_.passOver(line, message);
    passedLine_ = line;
  }

  void warning(long line, std::string_view message) override { messages_.warn(line, message); }

  void deal(const DealHands& read, const DealPlace& place) override {
    dealLine_ = place.line;
    // A deal with an error has been told of already.
    if (!read.errors.empty()) return;
    const std::optional<WholeDeal> whole = wholeDealOf(read);
    if (!whole) return messages_.passOver(place.line, unusableReason(read));
    std::vector<TagProblem> problems;
    const DealTricks tricks = tricksOfTags(place.tags, problems);
    for (const TagProblem& problem : problems) messages_.warn(problem.line, problem.message);
    into_.deals.push_back({static_cast<long>(into_.deals.size()), *whole, tricks});
  }

  bool keepsTag(std::string_view name) const override {
    return name == kDoubleDummyTricksTag || name == kOptimumResultTableTag;
  }

 private:
  void handAlone(long line) {
    if (line == passedLine_) return;
    messages_.passOver(line, "a hand alone passed over: the study needs whole deals");
    passedLine_ = line;
  }

  Messages messages_;
  StudyInput& into_;
  long dealLine_ = 0;    // of the last deal, whose rows follow it
  long passedLine_ = 0;  // told of already
};

// The lines of a tricks cache; a line that is not one is passed over.
int readCache(std::FILE* in, std::string_view name, StudyInput& into) {
  Messages messages(name, into);
  LineReader reader(in);
  InputLine line;
  while (reader.next(line)) {
    const std::string_view text = contentOf(line);
    if (text.empty()) continue;
    if (line.tooLong) {
      messages.passOver(line.number, "line too long");
      continue;
    }
    const std::optional<CacheLineParts> parts = splitCacheLine(text);
    std::optional<DealHands> read;
    if (parts) {
      std::string error;  // told as the line's being no cache line
      read = readDealString(parts->deal, 1, error);
    }
    const std::optional<WholeDeal> whole = read ? wholeDealOf(*read) : std::nullopt;
    if (!whole) {
      messages.passOver(line.number,
                        "no tricks cache line: a whole deal and 20 characters of "
                        "tricks expected");
      continue;
    }
    into.deals.push_back(
        {static_cast<long>(into.deals.size()), *whole, *readTricksField(parts->tricks)});
  }
  return reader.failed() ? reader.error() : 0;
}

// Whether the input's first line with anything on it is a tricks cache line.
bool startsAsCache(std::FILE* in) {
  LineReader reader(in);
  InputLine line;
  while (reader.next(line)) {
    const std::string_view text = contentOf(line);
    if (!text.empty()) return !line.tooLong && splitCacheLine(text).has_value();
  }
  return false;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// A copy of an input that cannot be read twice (a pipe), in a temporary file
// that can; null when the copy fails (errno says why).
std::unique_ptr<std::FILE, FileCloser> rereadableCopy(std::FILE* in) {
  std::unique_ptr<std::FILE, FileCloser> copy(std::tmpfile());
  if (!copy) return copy;
  std::array<char, 1 << 14> block;
  for (std::size_t got; (got = std::fread(block.data(), 1, block.size(), in)) != 0;) {
    if (std::fwrite(block.data(), 1, got, copy.get()) != got) return nullptr;
  }
  if (std::ferror(in) != 0 || std::fseek(copy.get(), 0, SEEK_SET) != 0) return nullptr;
  return copy;
}

}  // namespace

void readStudyInput(std::FILE* in, std::string_view name, StudyInput& into) {
  // The first line tells a cache from other input, and then the input is read from its start.
  std::unique_ptr<std::FILE, FileCloser> copy;
  long start = std::ftell(in);
  if (start < 0 || std::fseek(in, start, SEEK_SET) != 0) {
    copy = rereadableCopy(in);
    if (!copy) {
      into.error = errno;
      return;
    }
    in = copy.get();
    start = 0;
  }
  const bool cache = startsAsCache(in);
  if (std::fseek(in, start, SEEK_SET) != 0) {
    into.error = errno;
    return;
  }
  if (cache) {
    into.error = readCache(in, name, into);
    return;
  }
  StudySink sink(name, into);
  RecentDeals recentDeals;
  into.error = readBatchInput(in, sink, &recentDeals).error;
}

}  // namespace bidgauge
