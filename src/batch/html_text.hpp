#pragma once

#include <string>
#include <string_view>

namespace bidgauge {

// Appends `text` escaped for the content of an HTML element.
inline void appendHtmlEscaped(std::string& out, std::string_view text) {
  for (const char ch : text) {
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += ch;
    }
  }
}

}  // namespace bidgauge
