#include "hand/wide_text.hpp"

#include <cstddef>

#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}
bool isContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

struct Decoded {
  char32_t value;
  std::size_t length;
};

// One character from the start of `text`, surrogates included; a byte that
// starts none stands alone as U+FFFD.
Decoded decodeUtf8(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  char32_t value = 0;
  char32_t smallest = 0;  // below it, the form is over-long
  if (lead < 0x80) return {lead, 1};
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1Fu, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0Fu, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07u, smallest = 0x10000;
  } else {
    return {kReplacement, 1};
  }
  if (text.size() < length) return {kReplacement, 1};
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!isContinuation(byte)) return {kReplacement, 1};
    value = value << 6 | (byte & 0x3Fu);
  }
  if (value < smallest || value > 0x10FFFF) return {kReplacement, 1};
  return {value, length};
}

void appendUtf16(std::u16string& out, char32_t ch) {
  if (ch < 0x10000) {
    out += static_cast<char16_t>(ch);
    return;
  }
  ch -= 0x10000;
  out += static_cast<char16_t>(0xD800 + (ch >> 10));
  out += static_cast<char16_t>(0xDC00 + (ch & 0x3FF));
}

}  // namespace

std::string utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t ch = text[i];
    if (isHighSurrogate(ch) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
      ch = 0x10000 + ((ch - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
      ++i;
    }
    appendUtf8(out, ch);  // a lone surrogate too, in its three-byte form
  }
  return out;
}

std::u16string utf16FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const Decoded ch = decodeUtf8(text);
    appendUtf16(out, ch.value);
    text.remove_prefix(ch.length);
  }
  return out;
}

}  // namespace bidgauge
