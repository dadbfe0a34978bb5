#include "console/key.hpp"

#include <ostream>

namespace bidgauge {
namespace {

// Names of the control bytes the program gives a meaning to.
std::string characterName(unsigned char byte) {
  switch (byte) {
    case 13:
      return "Enter";
    case 27:
      return "Escape";
    case 8:
      return "Backspace";
    case ' ':
      return "Space";
    default:
      break;
  }
  if (byte < 32 || byte >= 127) return "byte " + std::to_string(byte);
  return std::string("'") + static_cast<char>(byte) + "'";
}

}  // namespace

std::string describe(Key key) {
  if (key.isCharacter()) return characterName(key.byte());
  const int code = key.scanCode();
  if (code >= 59 && code <= 68) return "F" + std::to_string(code - 58);
  return "scan " + std::to_string(code);
}

std::ostream& operator<<(std::ostream& out, Key key) {
  return out << describe(key);
}

}  // namespace bidgauge
