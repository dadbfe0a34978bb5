#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/console.hpp"
#include "web/frame.hpp"

namespace bidgauge {

// The console behind the web page. The program draws on the screen model as
// everywhere; after each key the page asks for a frame and renders it. The
// browser hands over one key event at a time and the program handles it at
// once, so a typed key is never waiting to be flushed; pasted text is, and a
// flush ends it as a terminal would discard it.
class WebConsole : public Console {
 public:
  void setTitle(std::string_view title) override { title_ = title; }
  void setScreenSize(int columns, int rows) override;
  void flushKeys() override { flushed_ = true; }
  void playBeep() override { ++beeps_; }

  // What changed since the last frame; the first frame has every row.
  Frame takeFrame();
  // Whether the program has asked to discard keys typed ahead since the last call.
  bool takeFlush() { return std::exchange(flushed_, false); }

 private:
  std::string title_;
  int beeps_ = 0;
  bool flushed_ = false;
  std::array<std::vector<CellRun>, Screen::kRows> shownRows_;
};

}  // namespace bidgauge
