#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

namespace bidgauge {

// One line of input without its line feed.
struct InputLine {
  std::string_view text;  // valid until the next call of next()
  long number = 0;        // 1-based
  bool tooLong = false;   // longer than LineReader::kMaxLine: text is empty, the rest skipped
};

// Reads lines in large blocks, so that input of any size takes the same memory.
class LineReader {
 public:
  // Small enough that the buffer stays in the allocator's cached sizes (a
  // fuzzer runs the reader many thousand times a second), large enough that
  // reads are few.
  static constexpr std::size_t kBlock = std::size_t{1} << 14;
  static constexpr std::size_t kMaxLine = std::size_t{1} << 16;

  explicit LineReader(std::FILE* file)
      : file_(file), data_(std::make_unique_for_overwrite<char[]>(kMaxLine + kBlock)) {}

  // The next line; false at the end of the input or on a read error.
  bool next(InputLine& line);
  // True when reading stopped at an error; error() is its errno.
  bool failed() const { return failed_; }
  int error() const { return error_; }

 private:
  // Moves the unread bytes to the front and reads one more block after them.
  bool refill();
  void skipRestOfLine();

  std::FILE* file_;
  std::unique_ptr<char[]> data_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  long number_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
  int error_ = 0;
};

}  // namespace bidgauge
