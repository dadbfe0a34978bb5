#include "console/scripted_console.hpp"

namespace bidgauge {

ScriptedConsole::ScriptedConsole(const std::vector<Key>& keys) : keys_(keys.begin(), keys.end()) {}

void ScriptedConsole::type(std::string_view text) {
  for (const char ch : text) keys_.push_back(Key::character(static_cast<unsigned char>(ch)));
}

void ScriptedConsole::setScreenSize(int /*columns*/, int /*rows*/) {
  screen().clearScreen();
}

void ScriptedConsole::flushKeys() {
  discarded_ += static_cast<int>(typeAhead_.size());
  typeAhead_.clear();
  ++flushes_;
}

std::optional<Key> ScriptedConsole::nextKey() {
  std::deque<Key>& source = typeAhead_.empty() ? keys_ : typeAhead_;
  if (source.empty()) return std::nullopt;
  const Key key = source.front();
  source.pop_front();
  ++keysRead_;
  return key;
}

}  // namespace bidgauge
