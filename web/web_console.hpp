#pragma once

#include <array>
#include <string>
#include <string_view>

#include "console/console.hpp"
#include "web/frame.hpp"

namespace bidgauge {

// The console behind the web page. The program draws on the screen model as
// everywhere; after each key the page asks for a frame and renders it. The
// browser hands over one key event at a time and the program handles it at
// once, so no key is ever waiting to be flushed.
class WebConsole : public Console {
 public:
  void setTitle(std::string_view title) override { title_ = title; }
  void setScreenSize(int columns, int rows) override;
  void flushKeys() override {}
  void playBeep() override { ++beeps_; }

  // What changed since the last frame; the first frame has every row.
  Frame takeFrame();

 private:
  std::string title_;
  int beeps_ = 0;
  std::array<std::string, Screen::kRows> shownRows_;
};

}  // namespace bidgauge
