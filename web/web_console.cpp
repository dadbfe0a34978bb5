#include "web/web_console.hpp"

#include "web/screen_runs.hpp"

namespace bidgauge {

// The page's screen is always 80x25: nothing to resize, only to clear.
void WebConsole::setScreenSize(int /*columns*/, int /*rows*/) {
  screen().clearScreen();
}

Frame WebConsole::takeFrame() {
  const Screen& shown = screen();
  Frame frame;
  frame.title = title_;
  frame.beeps = beeps_;
  beeps_ = 0;
  frame.cursorRow = shown.cursorRow();
  frame.cursorColumn = shown.cursorColumn();
  frame.cursorVisible = shown.cursorVisible();
  frame.cursorColor = shown.cell(frame.cursorRow, frame.cursorColumn).foreground();
  for (int row = 1; row <= Screen::kRows; ++row) {
    std::vector<CellRun> runs = rowRuns(shown, row);
    std::vector<CellRun>& last = shownRows_[static_cast<std::size_t>(row - 1)];
    if (runs == last) continue;
    last = runs;
    frame.rows.push_back({row, std::move(runs)});
  }
  return frame;
}

}  // namespace bidgauge
