#include "batch/line_reader.hpp"

#include <bit>
#include <cerrno>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace bidgauge {
namespace {

// The first line feed in `size` bytes, or null. Most lines are short: two
// 16-byte comparisons find their end without a call.
const char* findLineFeed(const char* start, std::size_t size) {
#ifdef __SSE2__
  if (size >= 32) {
    const __m128i feeds = _mm_set1_epi8('\n');
    const auto feedsIn = [&feeds](const char* at) {
      const __m128i bytes =
          _mm_loadu_si128(static_cast<const __m128i*>(static_cast<const void*>(at)));
      return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, feeds)));
    };
    const unsigned found = feedsIn(start) | feedsIn(start + 16) << 16;
    if (found != 0) return start + std::countr_zero(found);
  }
#endif
  return static_cast<const char*>(std::memchr(start, '\n', size));
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
  if (got == 0) {
    atEnd_ = true;
    failed_ = std::ferror(file_) != 0;
    if (failed_) error_ = errno;
  }
  return got != 0;
}

void LineReader::skipRestOfLine() {
  for (;;) {
    const char* start = data_.get() + begin_;
    if (const void* feed = std::memchr(start, '\n', end_ - begin_)) {
      begin_ += static_cast<std::size_t>(static_cast<const char*>(feed) - start) + 1;
      return;
    }
    begin_ = end_ = 0;
    if (!refill()) return;
  }
}

bool LineReader::next(InputLine& line) {
  for (;;) {
    const char* start = data_.get() + begin_;
    const std::size_t held = end_ - begin_;
    if (const char* feed = findLineFeed(start, held)) {
      const auto length = static_cast<std::size_t>(feed - start);
      line = {std::string_view(start, length), ++number_, false};
      begin_ += length + 1;
      return true;
    }
    if (held >= kMaxLine) {
      skipRestOfLine();
      line = {{}, ++number_, true};
      return true;
    }
    if (!refill()) {
      if (failed_ || begin_ == end_) return false;
      // The last line has no line feed.
      line = {std::string_view(data_.get() + begin_, end_ - begin_), ++number_, false};
      begin_ = end_;
      return true;
    }
  }
}

}  // namespace bidgauge
