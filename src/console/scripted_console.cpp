#include "console/scripted_console.hpp"

namespace bidgauge {

ScriptedConsole::ScriptedConsole(std::vector<std::string> keys)
    : keys_(std::make_move_iterator(keys.begin()), std::make_move_iterator(keys.end())) {}

void ScriptedConsole::press(std::string_view keyText) {
  keys_.emplace_back(keyText);
}

void ScriptedConsole::type(std::string_view text) {
  for (const char ch : text) keys_.emplace_back(1, ch);
}

void ScriptedConsole::typeAhead(std::string_view keyText) {
  typeAhead_.emplace_back(keyText);
}

void ScriptedConsole::setScreenSize(int /*columns*/, int /*rows*/) {
  screen().clearScreen();
}

std::string ScriptedConsole::waitKey() {
  std::deque<std::string>& source = typeAhead_.empty() ? keys_ : typeAhead_;
  if (source.empty()) throw InputClosed{};
  std::string keyText = std::move(source.front());
  source.pop_front();
  ++keysRead_;
  if (hook_) hook_(keysRead_);
  return keyText;
}

}  // namespace bidgauge
