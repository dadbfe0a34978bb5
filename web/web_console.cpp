#include "web/web_console.hpp"

#include "web/json_text.hpp"
#include "web/screen_html.hpp"

namespace bidgauge {
namespace {

void appendCursor(std::string& out, const Screen& screen) {
  const int row = screen.cursorRow();
  const int column = screen.cursorColumn();
  out += "\"cursor\":{\"row\":" + std::to_string(row) + ",\"column\":" + std::to_string(column);
  out += screen.cursorVisible() ? ",\"visible\":true" : ",\"visible\":false";
  out += ",\"color\":" + std::to_string(screen.cell(row, column).foreground()) + '}';
}

}  // namespace

// The page's screen is always 80x25: nothing to resize, only to clear.
void WebConsole::setScreenSize(int /*columns*/, int /*rows*/) {
  screen().clearScreen();
}

std::string WebConsole::takeFrame() {
  std::string out = "{\"title\":";
  appendJsonString(out, title_);
  out += ",\"beeps\":" + std::to_string(beeps_) + ',';
  beeps_ = 0;
  appendCursor(out, screen());
  out += ",\"rows\":[";
  bool first = true;
  for (int row = 1; row <= Screen::kRows; ++row) {
    std::string html = rowHtml(screen(), row);
    std::string& shown = shownRows_[static_cast<std::size_t>(row - 1)];
    if (html == shown) continue;
    if (!first) out += ',';
    first = false;
    out += '[' + std::to_string(row) + ',';
    appendJsonString(out, html);
    out += ']';
    shown = std::move(html);
  }
  out += "]}";
  return out;
}

}  // namespace bidgauge
