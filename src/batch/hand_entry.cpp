#include "batch/hand_entry.hpp"

#include <cstdio>

#include "batch/blanks.hpp"
#include "hand/cp437.hpp"
#include "hand/parser.hpp"

namespace bidgauge {
namespace {

bool isControl(std::string_view keyText) {
  const auto byte = static_cast<unsigned char>(keyText[0]);
  return keyText.size() == 1 && (byte < 0x20 || byte == 0x7F);
}

// U+0080 to U+009F: some terminals act on them, so they are never echoed.
bool isWideControl(std::string_view keyText) {
  return keyText.size() == 2 && static_cast<unsigned char>(keyText[0]) == 0xC2 &&
         static_cast<unsigned char>(keyText[1]) < 0xA0;
}

// Escape, Backspace and Enter are control characters too: mid-text they would
// leave, edit or end the entry.
bool isCommandKey(std::string_view keyText) {
  return commandKeyOf(keyText) != CommandKey::none || isControl(keyText);
}

std::string hexByte(unsigned char byte) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", byte);
  return text;
}

std::string describe(std::string_view keyText) {
  const auto byte = static_cast<unsigned char>(keyText[0]);
  if (keyText == " ") return "blank";
  if (isControl(keyText)) return "control character U+00" + hexByte(byte);
  if (isWideControl(keyText)) {
    return "control character U+00" + hexByte(static_cast<unsigned char>(keyText[1]));
  }
  if (keyText.size() == 1 && byte >= 0x80) return "byte 0x" + hexByte(byte);
  return "character '" + std::string(keyText) + "'";
}

HandEntry failure(std::string message, int position = 0) {
  return {false, EntryState{}, std::move(message), position};
}

HandEntry unexpected(const EntryKey& key) {
  return failure(
      "unexpected " + describe(key.text) + " at position " + std::to_string(key.position),
      key.position);
}

constexpr std::string_view kTenKey = "10";

// The entry line's message without the blank some of them end with on screen.
std::string messageOf(const EntryState& state) {
  return std::string(trimmedBlanks(errorText(state)).text);
}

HandEntry pressEnter(const EntryState& state) {
  KeyVerdict verdict = parseKey(state, "\r");
  switch (verdict.action) {
    case KeyAction::complete:
      return {true, std::move(verdict.state), {}};
    case KeyAction::error:
      return failure(messageOf(verdict.state));
    default:
      return failure(state.nothingTyped() ? "no hand given" : "the hand ends with a blank");
  }
}

}  // namespace

bool HandTyping::type(const EntryKey& key) {
  if (stopped_) return false;
  const std::string keyText = key.text == kTenKey ? "T" : upperCased(key.text);
  if (key.refused || keyText.empty() || isCommandKey(keyText)) {
    stopped_ = unexpected(key);
    return false;
  }
  KeyVerdict verdict = parseKey(state_, keyText);
  switch (verdict.action) {
    case KeyAction::accept:
      state_ = std::move(verdict.state);
      return true;
    case KeyAction::ignore:
      return true;
    case KeyAction::error:
      stopped_ = failure(messageOf(verdict.state), key.position);
      return false;
    case KeyAction::refuse:
    case KeyAction::complete:  // only Enter completes, and Enter is refused above
      break;
  }
  stopped_ = unexpected(key);
  return false;
}

HandEntry HandTyping::finish() const {
  return stopped_ ? *stopped_ : pressEnter(state_);
}

HandEntry enterKeys(std::span<const EntryKey> keys) {
  HandTyping typing;
  for (const EntryKey& key : keys) {
    if (!typing.type(key)) break;
  }
  return typing.finish();
}

std::optional<EntryKey> TextKeys::next() {
  if (rest_.empty()) return std::nullopt;
  const bool ten = rest_.starts_with(kTenKey);
  const std::size_t length = ten ? kTenKey.size() : firstUtf8Character(rest_).length;
  EntryKey key{std::string(rest_.substr(0, length)), position_, false};
  position_ += ten ? 2 : 1;
  rest_.remove_prefix(length);
  return key;
}

HandEntry enterHandText(std::string_view text) {
  return enterKeysOf(TextKeys(text));
}

}  // namespace bidgauge
