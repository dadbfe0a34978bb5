#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/colors.hpp"
#include "console/screen.hpp"
#include "console/scripted_console.hpp"
#include "support/screen_picture.hpp"

namespace bidgauge {

// What the pager showed while it waited for one key.
struct HelpWait {
  Screen screen;
  int beeps = 0;
};

struct HelpRun {
  std::vector<HelpWait> waits;  // one per key read, in order
  bool left = false;            // the user left (rather than the keys running out)
  bool cursorVisible = false;   // at the end
  int beeps = 0;
};

// Runs the pager on a console prepared as the main screen leaves it (yellow on
// `background`, cleared), pressing `keys`. `afterCapture`, if given, may
// scribble on the screen before the pager starts and after each wait has been
// recorded.
HelpRun runHelp(const std::vector<std::string>& keys, int background = color::blue,
                const std::function<void(Console&)>& afterCapture = {});

// `count` presses of `key` followed by the rest.
std::vector<std::string> repeated(const std::string& key, int count,
                                  std::vector<std::string> rest = {});

// The fixture of page `number` (1 to 10), tests/help/fixtures/pageNN.txt.
// Reports a test failure and returns an empty picture when it cannot be read.
ScreenPicture pageFixture(int number);

// Checks `actual` against `expected` row by row, so that a difference reads as
// a row of text or colours. Ignores the background when `checkBackground` is false.
void expectSamePicture(const ScreenPicture& actual, const ScreenPicture& expected,
                       bool checkBackground = true);

// A parameterised case's name from the page it starts on and the key text pressed there:
// Page4_Space, Page1_q, Page10_Escape, Page4_F1, Page4_PageDown.
std::string pageKeyTestName(int page, std::string_view key);

}  // namespace bidgauge
