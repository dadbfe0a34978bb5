#pragma once

#include <string>
#include <string_view>

namespace bidgauge::testing_support {

// What the browser shows as the text of a row's HTML: the tags dropped and
// the three escapes rowHtml writes undone.
inline std::string textContent(std::string_view html) {
  std::string text;
  bool inTag = false;
  for (std::size_t i = 0; i < html.size(); ++i) {
    const char ch = html[i];
    if (inTag) {
      inTag = ch != '>';
    } else if (ch == '<') {
      inTag = true;
    } else if (ch == '&') {
      const std::size_t end = html.find(';', i);
      const std::string_view name = html.substr(i + 1, end - i - 1);
      text += name == "lt" ? '<' : name == "gt" ? '>' : '&';
      i = end;
    } else {
      text += ch;
    }
  }
  return text;
}

}  // namespace bidgauge::testing_support
