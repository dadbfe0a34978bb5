#pragma once

#include <string>
#include <string_view>

namespace bidgauge {

// Text between Windows' UTF-16 and the program's UTF-8. Windows file names may
// hold unpaired surrogates; those pass as their three-byte forms (WTF-8), so
// every name converts back to itself and the file can still be opened.
std::string utf8FromUtf16(std::u16string_view text);

// Bytes that form no character become U+FFFD.
std::u16string utf16FromUtf8(std::string_view text);

}  // namespace bidgauge
