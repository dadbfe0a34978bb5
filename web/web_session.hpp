#pragma once

#include <string_view>

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

  // Types pasted UTF-8 text key by key, as a terminal would: a line break is
  // Enter, characters the program has no key for are passed over, and the
  // rest is discarded where the program discards keys typed ahead (an error
  // bar, the quit question, the prompt for the next hand) or ends. Returns
  // the number of keys typed.
  int paste(std::string_view text);

  bool running() const { return running_; }

  // See WebConsole::takeFrame; the frame also says what the program takes
  // now and carries the result card of a hand evaluated since the last one.
  Frame takeFrame();

 private:
  WebConsole console_;
  InteractiveApp app_{console_};
  bool running_ = true;
  int handsOnCard_ = 0;
};

}  // namespace bidgauge
