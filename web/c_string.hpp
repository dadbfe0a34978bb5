#pragma once

#include <cstdlib>
#include <cstring>
#include <string>

namespace bidgauge {

// A malloc'd copy of `text` for JavaScript, which frees it after reading.
inline char* mallocCopy(const std::string& text) {
  char* out = static_cast<char*>(std::malloc(text.size() + 1));
  if (out != nullptr) std::memcpy(out, text.c_str(), text.size() + 1);
  return out;
}

}  // namespace bidgauge
