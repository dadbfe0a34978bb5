// bidgauge_read_lines: the batch mode's reader over a caller's text, its rows
// and messages handed back through callbacks. Nothing may throw out to a C caller.

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <string_view>

#include "batch/batch.hpp"
#include "batch/lin.hpp"
#include "batch/row_format.hpp"
#include "bidgauge/bidgauge.h"
#include "lib/api_keys.hpp"
#include "lib/hand_bridge.hpp"

namespace bidgauge {
namespace {

// A callback asked to stop: unwinds the reader back to bidgauge_read_lines.
struct Stopped {};

// Gathers rows into blocks for on_rows, so that a caller in a slower language
// pays for one call per block.
class CallbackSink : public BatchSink {
 public:
  CallbackSink(bidgauge_rows_callback onRows, bidgauge_line_message_callback onMessage,
               void* context)
      : onRows_(onRows), onMessage_(onMessage), context_(context) {}

  void hands(std::span<const Hand> hands, const long* lines, const HandValues* values) override {
    for (std::size_t i = 0; i < hands.size(); ++i) add(hands[i], values[i], lines[i], -1, 0);
  }

  void row(const BatchRow& row, const HandValues& values) override {
    add(row.hand, values, row.line, row.board.value_or(-1), row.seat);
  }

  void invalid(long line, std::string_view message) override {
    say(line, BIDGAUGE_LINE_INVALID, message);
  }

  void warning(long line, std::string_view message) override {
    say(line, BIDGAUGE_LINE_WARNING, message);
  }

  void flush() {
    const std::size_t count = count_;
    count_ = 0;
    if (count != 0 && onRows_ != nullptr && onRows_(context_, block_->data(), count) != 0) {
      throw Stopped{};
    }
  }

 private:
  static constexpr std::size_t kBlock = 512;

  void add(const Hand& hand, const HandValues& values, long line, long board, char seat) {
    if (onRows_ == nullptr) return;
    bidgauge_row& slot = (*block_)[count_];
    slot.line = line;
    slot.board = board;
    slot.hand = apiHand(hand);
    slot.valuation = apiValuation(values);
    char text[kHandTextRoom];
    const auto length = static_cast<std::size_t>(writeHandText(text, hand) - text);
    // The writer scribbles past the text's end: the rest is zeroed.
    std::memcpy(slot.hand_text, text, length);
    std::memset(slot.hand_text + length, 0, sizeof slot.hand_text - length);
    slot.seat = seat;
    if (++count_ == kBlock) flush();
  }

  void say(long line, int kind, std::string_view message) {
    if (onMessage_ == nullptr) return;
    const std::string text(message);  // with its NUL
    if (onMessage_(context_, line, kind, text.c_str(), text.size()) != 0) throw Stopped{};
  }

  bidgauge_rows_callback onRows_;
  bidgauge_line_message_callback onMessage_;
  void* context_;
  std::unique_ptr<std::array<bidgauge_row, kBlock>> block_ =
      std::make_unique<std::array<bidgauge_row, kBlock>>();
  std::size_t count_ = 0;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace
}  // namespace bidgauge

using namespace bidgauge;

extern "C" int bidgauge_read_lines(const char* text, size_t length, bidgauge_rows_callback on_rows,
                                   bidgauge_line_message_callback on_message, void* context) {
  if (text == nullptr && length != 0) return BIDGAUGE_ERROR_ARGUMENT;
  if (length == 0) return BIDGAUGE_OK;  // no line, and a memory stream needs a byte
  try {
    CallbackSink sink(on_rows, on_message, context);
    // The reader takes a stream: the text is read in place, a block at a time.
    const std::unique_ptr<std::FILE, FileCloser> in(
        fmemopen(const_cast<char*>(text), length, "r"));  // only read through
    if (!in) return BIDGAUGE_ERROR_MEMORY;
    // A stream over memory fails only for want of memory.
    // A deal repeated for the other room gives its rows once, as in --batch.
    RecentDeals recentDeals;
    if (readBatchInput(in.get(), sink, &recentDeals).error != 0) return BIDGAUGE_ERROR_MEMORY;
    sink.flush();
    return BIDGAUGE_OK;
  } catch (const Stopped&) {
    return BIDGAUGE_OK;
  } catch (const std::bad_alloc&) {
    return BIDGAUGE_ERROR_MEMORY;
  }
}

extern "C" size_t bidgauge_join_row_hand_texts(const bidgauge_row* rows, size_t count,
                                               char separator, char* out, size_t size) {
  if (rows == nullptr || out == nullptr || size / BIDGAUGE_HAND_TEXT_SIZE < count) return 0;
  char* at = out;
  for (const bidgauge_row& row : std::span(rows, count)) {
    // Not past the array, whatever a caller's row holds.
    const std::size_t length = strnlen(row.hand_text, sizeof row.hand_text - 1);
    std::memcpy(at, row.hand_text, length);
    at += length;
    *at++ = separator;
  }
  return static_cast<size_t>(at - out);
}
