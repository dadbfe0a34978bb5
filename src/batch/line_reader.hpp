#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

namespace bidgauge {

// One line of input without its line end: a line feed, a carriage return and
// line feed, or a carriage return alone (as old Mac programs write).
struct InputLine {
  std::string_view text;  // valid until the next call of next() or nextPiece()
  long number = 0;        // 1-based
  // At least LineReader::kMaxLine bytes long: text holds the first kMaxLine
  // bytes; nextPiece() gives the rest, or next() passes over it.
  bool tooLong = false;
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
  // After a line too long: its next bytes, at most kMaxLine + kBlock of them;
  // false once the line has ended.
  bool nextPiece(std::string_view& piece);
  // True when reading stopped at an error; error() is its errno.
  bool failed() const { return failed_; }
  int error() const { return error_; }

 private:
  // Moves the unread bytes to the front and reads one more block after them.
  bool refill();
  // Moves past the line end at data_[end], a line feed or a carriage return.
  void passLineEnd(std::size_t end);
  // After a carriage return: moves past a line feed that follows it.
  void passFeedAfterReturn();
  void skipRestOfLine();

  std::FILE* file_;
  std::unique_ptr<char[]> data_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  long number_ = 0;
  bool inLongLine_ = false;     // a line too long is under way
  bool feedMayFollow_ = false;  // a carriage return ended the data read so far
  bool atEnd_ = false;
  bool failed_ = false;
  int error_ = 0;
};

}  // namespace bidgauge
