#include "batch/line_reader.hpp"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace bidgauge {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Where the first line feed or carriage return in `size` bytes is, or kNone.
// Most lines are short: two 16-byte comparisons find their end without a call.
std::size_t findLineEnd(const char* start, std::size_t size) {
#ifdef __SSE2__
  if (size >= 32) {
    const __m128i feeds = _mm_set1_epi8('\n');
    const __m128i returns = _mm_set1_epi8('\r');
    const auto endsIn = [&feeds, &returns](const char* at) {
      const __m128i bytes =
          _mm_loadu_si128(static_cast<const __m128i*>(static_cast<const void*>(at)));
      const __m128i ends =
          _mm_or_si128(_mm_cmpeq_epi8(bytes, feeds), _mm_cmpeq_epi8(bytes, returns));
      return static_cast<unsigned>(_mm_movemask_epi8(ends));
    };
    const unsigned found = endsIn(start) | endsIn(start + 16) << 16;
    if (found != 0) return static_cast<std::size_t>(std::countr_zero(found));
  }
#endif
  const auto* feed = static_cast<const char*>(std::memchr(start, '\n', size));
  const std::size_t feedAt = feed == nullptr ? kNone : static_cast<std::size_t>(feed - start);
  const auto* carriageReturn =
      static_cast<const char*>(std::memchr(start, '\r', std::min(feedAt, size)));
  return carriageReturn == nullptr ? feedAt : static_cast<std::size_t>(carriageReturn - start);
}

}  // namespace

bool LineReader::refill() {
  if (atEnd_) return false;
  if (begin_ != 0) {
    std::memmove(data_.get(), data_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  const std::size_t room = kMaxLine + kBlock - end_;
  const std::size_t got = std::fread(data_.get() + end_, 1, std::min(room, kBlock), file_);
  end_ += got;
  if (feedMayFollow_) {
    // Nothing was held: the new bytes start at begin_.
    feedMayFollow_ = false;
    if (got != 0 && data_[begin_] == '\n') ++begin_;
  }
  if (got == 0) {
    atEnd_ = true;
    failed_ = std::ferror(file_) != 0;
    if (failed_) error_ = errno;
  }
  return got != 0;
}

void LineReader::passFeedAfterReturn() {
  // A carriage return and a line feed make one line end.
  if (begin_ == end_) {
    feedMayFollow_ = true;
  } else if (data_[begin_] == '\n') {
    ++begin_;
  }
}

void LineReader::passLineEnd(std::size_t end) {
  begin_ = end + 1;
  if (data_[end] == '\r') passFeedAfterReturn();
}

void LineReader::skipRestOfLine() {
  inLongLine_ = false;
  for (;;) {
    if (const std::size_t end = findLineEnd(data_.get() + begin_, end_ - begin_); end != kNone) {
      passLineEnd(begin_ + end);
      return;
    }
    begin_ = end_ = 0;
    if (!refill()) return;
  }
}

bool LineReader::next(InputLine& line) {
  if (inLongLine_) skipRestOfLine();
  for (;;) {
    const char* start = data_.get() + begin_;
    const std::size_t held = end_ - begin_;
    // A line end past kMaxLine does not count, so that the limit does not
    // depend on where in the buffer the line starts.
    if (const std::size_t length = findLineEnd(start, held); length < kMaxLine) {
      line = {std::string_view(start, length), ++number_, false};
      begin_ += length + 1;
      if (start[length] == '\r') [[unlikely]] {
        passFeedAfterReturn();
      }
      return true;
    }
    if (held >= kMaxLine) {
      line = {std::string_view(start, kMaxLine), ++number_, true};
      begin_ += kMaxLine;
      inLongLine_ = true;
      return true;
    }
    if (!refill()) {
      if (failed_ || begin_ == end_) return false;
      // The last line has no line end.
      line = {std::string_view(data_.get() + begin_, end_ - begin_), ++number_, false};
      begin_ = end_;
      return true;
    }
  }
}

bool LineReader::nextPiece(std::string_view& piece) {
  while (inLongLine_) {
    const char* start = data_.get() + begin_;
    const std::size_t held = end_ - begin_;
    if (const std::size_t length = findLineEnd(start, held); length != kNone) {
      piece = std::string_view(start, length);
      passLineEnd(begin_ + length);
      inLongLine_ = false;
      return true;
    }
    if (held != 0) {
      piece = std::string_view(start, held);
      begin_ = end_;
      return true;
    }
    begin_ = end_ = 0;
    if (!refill()) inLongLine_ = false;
  }
  return false;
}

}  // namespace bidgauge
