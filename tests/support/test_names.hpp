#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace bidgauge {

// The name a character goes by in a test name, or "" for one without a name.
inline std::string_view characterTestName(char character) {
  switch (character) {
    case '\0':
      return "Nul";
    case '\b':
      return "Backspace";
    case '\t':
      return "Tab";
    case '\n':
      return "Newline";
    case '\r':
      return "Enter";
    case '\x1B':
      return "Escape";
    case '\x7F':
      return "Delete";
    case '-':
      return "Dash";
    case '.':
      return "Dot";
    case ',':
      return "Comma";
    case ':':
      return "Colon";
    case ';':
      return "Semicolon";
    case '|':
      return "Bar";
    case '?':
      return "Question";
    case '!':
      return "Bang";
    case '=':
      return "Equals";
    case '/':
      return "Slash";
    case '\\':
      return "Backslash";
    case '\'':
      return "Quote";
    case '"':
      return "DoubleQuote";
    case '#':
      return "Hash";
    case '*':
      return "Star";
    case '+':
      return "Plus";
    case '_':
      return "Underscore";
    case '(':
      return "OpenParen";
    case ')':
      return "CloseParen";
    case '[':
      return "OpenBracket";
    case ']':
      return "CloseBracket";
    case '{':
      return "OpenBrace";
    case '}':
      return "CloseBrace";
    case '<':
      return "Less";
    case '>':
      return "Greater";
    case '&':
      return "Ampersand";
    case '%':
      return "Percent";
    case '$':
      return "Dollar";
    case '@':
      return "At";
    case '^':
      return "Caret";
    case '~':
      return "Tilde";
    case '`':
      return "Backtick";
    default:
      return {};
  }
}

// A parameterised test's name from the text the case types or reads, for test listings and
// ctest -R. GoogleTest takes letters, digits and underscores only, so letters and digits stay
// as they are, a blank becomes an underscore, and every other character is spelled out, set
// off by underscores: "AKT9xx.-.QJxxx" is AKT9xx_Dot_Dash_Dot_QJxxx, "A\r" is A_Enter and
// "- A" is Dash_A. Other control bytes read CtrlC and the like, a UTF-8 character its code
// point (U2660) and a stray byte its value (xE9). A name longer than `limit` is cut at the
// last underscore within it. An empty text is called Empty, and digits alone such as "10"
// Text10.
inline std::string nameFromText(std::string_view text, std::size_t limit = 40) {
  std::string name;
  std::string lastWord;  // the character spelled out last, if it was the last piece
  const auto addWord = [&](const std::string& word) {
    // A run of one character reads as one word: "--" is DashDash, "- -" Dash_Dash.
    if (!name.empty() && name.back() != '_' && word != lastWord) name += '_';
    name += word;
    lastWord = word;
  };
  const auto hex = [](unsigned value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return std::string(buffer);
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= 'a' && byte <= 'z')) {
      if (!lastWord.empty()) name += '_';
      name += static_cast<char>(byte);
      lastWord.clear();
    } else if (byte == ' ') {
      name += '_';
      lastWord.clear();
    } else if (const std::string_view word = characterTestName(text[i]); !word.empty()) {
      addWord(std::string(word));
    } else if (byte < 0x20) {
      addWord("Ctrl" + std::string(1, static_cast<char>('@' + byte)));
    } else {
      // A UTF-8 sequence by its code point, a byte outside one by its value.
      const std::size_t length = byte >= 0xF0 && byte <= 0xF4   ? 4
                                 : byte >= 0xE0 && byte <= 0xEF ? 3
                                 : byte >= 0xC2 && byte <= 0xDF ? 2
                                                                : 1;
      unsigned codePoint = byte & (0x7F >> length);
      bool whole = length > 1 && i + length <= text.size();
      for (std::size_t k = 1; whole && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        whole = (next & 0xC0) == 0x80;
        codePoint = (codePoint << 6) | (next & 0x3F);
      }
      if (whole) {
        addWord("U" + hex(codePoint, 4));
        i += length - 1;
      } else {
        addWord("x" + hex(byte, 2));
      }
    }
  }
  if (name.empty()) return "Empty";
  // Digits alone would pass for the case's number, which GoogleTest gives unnamed cases.
  if (name.find_first_not_of("0123456789") == std::string::npos) name = "Text" + name;
  if (name.size() > limit) {
    const std::size_t cut = name.rfind('_', limit);
    name.resize(cut == std::string::npos || cut == 0 ? limit : cut);
  }
  return name;
}

}  // namespace bidgauge
