#include "batch/line_reader.hpp"

#include <cerrno>
#include <cstring>

namespace bidgauge {

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
    if (const void* feed = std::memchr(start, '\n', held)) {
      const auto length = static_cast<std::size_t>(static_cast<const char*>(feed) - start);
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
