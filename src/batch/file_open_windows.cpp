#include <stdio.h>

#include "batch/file_open.hpp"
#include "hand/wide_text.hpp"

namespace bidgauge {

std::FILE* openForReading(const std::string& name) {
  const std::u16string wide = utf16FromUtf8(name);
  return _wfopen(reinterpret_cast<const wchar_t*>(wide.c_str()), L"rb");
}

}  // namespace bidgauge
