#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace bidgauge::testing_support {

// A stdio stream that collects what is written to it.
class OutputCapture {
 public:
  OutputCapture() : file_(open_memstream(&data_, &size_)) {}
  ~OutputCapture() {
    std::fclose(file_);
    std::free(data_);
  }
  OutputCapture(const OutputCapture&) = delete;
  OutputCapture& operator=(const OutputCapture&) = delete;

  std::FILE* file() const { return file_; }
  std::string text() {
    std::fflush(file_);
    return std::string(data_, size_);
  }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* file_;
};

// A stdio stream that reads the given text.
class InputText {
 public:
  explicit InputText(std::string text)
      : text_(std::move(text)),
        file_(text_.empty() ? std::fopen("/dev/null", "rb")
                            : fmemopen(text_.data(), text_.size(), "rb")) {}
  ~InputText() { std::fclose(file_); }
  InputText(const InputText&) = delete;
  InputText& operator=(const InputText&) = delete;

  std::FILE* file() const { return file_; }

 private:
  std::string text_;
  std::FILE* file_;
};

}  // namespace bidgauge::testing_support
