#pragma once

#include "app/interactive_app.hpp"
#include "web/dom_keys.hpp"
#include "web/web_console.hpp"

namespace bidgauge {

// One run of the program on the page, from its title screen until the user
// quits. The page starts a new session to start again.
class WebSession {
 public:
  WebSession();
  WebSession(const WebSession&) = delete;
  WebSession& operator=(const WebSession&) = delete;

  // Gives one key event to the program. False when the event is no key of the
  // program, or the program has ended: the browser may act on it itself.
  bool press(const DomKey& event);

  bool running() const { return running_; }

  // See WebConsole::takeFrame.
  Frame takeFrame();

 private:
  WebConsole console_;
  InteractiveApp app_{console_};
  bool running_ = true;
};

}  // namespace bidgauge
