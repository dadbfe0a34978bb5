#include "console/console.hpp"

namespace bidgauge {

std::string Console::readKey() {
  std::string text = waitKey();
  for (char& ch : text) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return text;
}

}  // namespace bidgauge
