#pragma once

#include <string_view>

namespace bidgauge {

// Blanks between the words of input text: spaces, tabs, and the carriage
// return and line feed that end a line of text handed over whole.
constexpr bool isBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

struct Trimmed {
  std::string_view text;
  int firstPosition = 1;  // of text in the untrimmed text, 1-based
};

// The text without blanks at either end.
constexpr Trimmed trimmedBlanks(std::string_view text) {
  std::size_t end = text.size();
  while (end != 0 && isBlank(text[end - 1])) --end;
  std::size_t begin = 0;
  while (begin != end && isBlank(text[begin])) ++begin;
  return {text.substr(begin, end - begin), static_cast<int>(begin) + 1};
}

// The text without blanks at its start.
constexpr Trimmed trimmedStart(std::string_view text) {
  std::size_t begin = 0;
  while (begin != text.size() && isBlank(text[begin])) ++begin;
  return {text.substr(begin), static_cast<int>(begin) + 1};
}

}  // namespace bidgauge
