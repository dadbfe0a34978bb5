#pragma once

#include <optional>

#include "app/interactive_app.hpp"
#include "console/key.hpp"

namespace bidgauge {

// The interactive program on a backend's console, one key at a time, until
// the user quits or the backend has no more keys. The exit status.
template <class Backend>
int runKeyLoop(Backend& console, InteractiveApp::Start start) {
  InteractiveApp app(console);
  app.start(start);
  while (const std::optional<Key> key = console.nextKey()) {
    if (!app.handle(*key)) break;
  }
  return 0;
}

}  // namespace bidgauge
