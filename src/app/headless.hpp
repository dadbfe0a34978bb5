#pragma once

#include "app/interactive_app.hpp"
#include "console/scripted_console.hpp"

namespace bidgauge {

// Runs the program headless: starts it, then hands it the console's scripted
// keys one by one until the user quits or the script is used up. Returns
// whether the user quit.
inline bool runScript(InteractiveApp& app, ScriptedConsole& console,
                      InteractiveApp::Start start = InteractiveApp::Start::titleScreen) {
  app.start(start);
  while (const std::optional<Key> key = console.nextKey()) {
    if (!app.handle(*key)) return true;
  }
  return false;
}

}  // namespace bidgauge
