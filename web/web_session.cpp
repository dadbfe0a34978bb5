#include "web/web_session.hpp"

namespace bidgauge {

WebSession::WebSession() {
  app_.start();
}

bool WebSession::press(const DomKey& event) {
  if (!running_) return false;
  const std::optional<Key> key = keyFromDom(event);
  if (!key) return false;
  running_ = app_.handle(*key);
  return true;
}

Frame WebSession::takeFrame() {
  Frame frame = console_.takeFrame();
  frame.running = running_;
  return frame;
}

}  // namespace bidgauge
