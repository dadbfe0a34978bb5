#include "web/web_session.hpp"

#include "app/error_bar.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

std::string_view modeName(InteractiveApp::Mode mode) {
  switch (mode) {
    case InteractiveApp::Mode::entry:
      return "entry";
    case InteractiveApp::Mode::errorBar:
      return "error";
    case InteractiveApp::Mode::quitQuestion:
      return "question";
    case InteractiveApp::Mode::help:
      return "help";
    case InteractiveApp::Mode::finished:
      break;
  }
  return "ended";
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// What a screen reader says for the bar or question on the screen; an error
// is read off its bar, so it says what the screen shows.
std::string spokenMessage(const InteractiveApp& app, const Screen& screen) {
  switch (app.mode()) {
    case InteractiveApp::Mode::errorBar: {
      const std::string bar = screen.rowText(rowBelowEntry(app.entryRow()));
      return cp437ToUtf8(trimmed(bar)) + ". Press any key to go on.";
    }
    case InteractiveApp::Mode::quitQuestion:
      return "Quit program? Y quits, N stays.";
    case InteractiveApp::Mode::help:
      return "Help pages: M for more, B for back, Q to leave.";
    case InteractiveApp::Mode::entry:
    case InteractiveApp::Mode::finished:
      break;
  }
  return {};
}

}  // namespace

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

int WebSession::paste(std::string_view text) {
  console_.takeFlush();
  int typed = 0;
  while (!text.empty() && running_) {
    const std::size_t length = firstUtf8Character(text).length;
    std::string_view key = text.substr(0, length);
    text.remove_prefix(length);
    if (key == "\r" || key == "\n") {
      if (key == "\r" && text.starts_with('\n')) text.remove_prefix(1);
      key = "Enter";
    }
    if (!press({key})) continue;
    ++typed;
    if (console_.takeFlush()) break;
  }
  return typed;
}

Frame WebSession::takeFrame() {
  Frame frame = console_.takeFrame();
  frame.running = running_;
  frame.mode = modeName(app_.mode());
  frame.message = spokenMessage(app_, console_.screen());
  if (app_.handsEvaluated() != handsOnCard_) {
    handsOnCard_ = app_.handsEvaluated();
    frame.card = resultCard(app_.lastHand());
  }
  return frame;
}

}  // namespace bidgauge
