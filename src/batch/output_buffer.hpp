#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

namespace bidgauge {

// Collects output in one large block and writes it with few fwrite calls.
// The block starts small, as most runs write little, and grows once filled:
// the kernel takes large writes to a file much faster than small ones.
class OutputBuffer {
 public:
  static constexpr std::size_t kFirstCapacity = std::size_t{1} << 16;
  static constexpr std::size_t kCapacity = std::size_t{1} << 20;

  explicit OutputBuffer(std::FILE* file)
      : file_(file), data_(std::make_unique_for_overwrite<char[]>(kFirstCapacity)) {}
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;
  ~OutputBuffer() { flush(); }

  // Room for `bytes` (at most kCapacity) more; write there, then commit the end.
  char* reserve(std::size_t bytes) {
    if (capacity_ - size_ < bytes) {
      flush();
      grow();
    }
    return data_.get() + size_;
  }
  void commit(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }

  void append(std::string_view text) {
    for (std::size_t done = 0; done < text.size();) {
      const std::size_t part = std::min(text.size() - done, kCapacity);
      char* out = reserve(part);
      text.copy(out, part, done);
      commit(out + part);
      done += part;
    }
  }

  // Writes out what is held; false once any write has failed.
  bool flush() {
    if (size_ != 0 && !failed_) failed_ = std::fwrite(data_.get(), 1, size_, file_) != size_;
    size_ = 0;
    if (!failed_) failed_ = std::fflush(file_) != 0;
    if (failed_ && error_ == 0) error_ = errno;
    return !failed_;
  }
  bool failed() const { return failed_; }
  // The errno of the first failed write.
  int error() const { return error_; }

 private:
  // Called when empty.
  void grow() {
    if (capacity_ == kCapacity) return;
    data_ = std::make_unique_for_overwrite<char[]>(kCapacity);
    capacity_ = kCapacity;
  }

  std::FILE* file_;
  std::unique_ptr<char[]> data_;
  std::size_t capacity_ = kFirstCapacity;
  std::size_t size_ = 0;
  bool failed_ = false;
  int error_ = 0;
};

}  // namespace bidgauge
