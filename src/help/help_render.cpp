#include "help/help_render.hpp"

#include <array>

#include "hand/cp437.hpp"
#include "help/help_pages.hpp"

namespace bidgauge {
namespace {

using namespace drawing;
using help_role::frame;
using help_role::hotKey;

// The title box spans rows 1 to 3 and columns 2 to 79.
constexpr int kTitleBoxInside = 76;
constexpr int kTitleBoxRight = 79;
// The navigation bar's box spans rows 24 and 25, its keys on row 25; the bar of
// the middle pages, with three keys, starts two columns further left.
constexpr int kBarTopRow = 24;
constexpr int kBarKeyRow = 25;
constexpr int kTwoKeyBarColumn = 33;
constexpr int kThreeKeyBarColumn = 31;

// clang-format off
constexpr DrawStep kTitleBoxTop[] = {
    at(1, 1), say(" ", frame), sym(glyph::topLeft, frame),
    sym(glyph::horizontal, frame, kTitleBoxInside), sym(glyph::topRight, frame)};
constexpr DrawStep kTitleRowStart[] = {at(2, 1), say(" ", frame), sym(glyph::vertical, frame)};
constexpr DrawStep kTitleRowEnd[] = {tab(kTitleBoxRight, frame), sym(glyph::vertical, frame)};
constexpr DrawStep kTitleBoxBottom[] = {
    at(3, 1), say(" ", frame), sym(glyph::bottomLeft, frame),
    sym(glyph::horizontal, frame, kTitleBoxInside), sym(glyph::bottomRight, frame)};

// Row 24 ends with a line break; row 25 does not, so the screen never scrolls.
constexpr DrawStep kFirstPageBar[] = {
    at(kBarTopRow, kTwoKeyBarColumn), sym(glyph::topLeft, frame),
    sym(glyph::horizontal, frame, 12), sym(glyph::topRight, frame), lineEnd(),
    at(kBarKeyRow, kTwoKeyBarColumn), sym(glyph::vertical, frame),
    say(" M", hotKey), say("ore", frame), say("  Q", hotKey), say("uit ", frame),
    sym(glyph::vertical, frame)};
constexpr DrawStep kMiddlePageBar[] = {
    at(kBarTopRow, kThreeKeyBarColumn), sym(glyph::topLeft, frame),
    sym(glyph::horizontal, frame, 18), sym(glyph::topRight, frame), lineEnd(),
    at(kBarKeyRow, kThreeKeyBarColumn), sym(glyph::vertical, frame),
    say(" M", hotKey), say("ore", frame), say("  B", hotKey), say("ack", frame),
    say("  Q", hotKey), say("uit ", frame), sym(glyph::vertical, frame)};
constexpr DrawStep kLastPageBar[] = {
    at(kBarTopRow, kTwoKeyBarColumn), sym(glyph::topLeft, frame),
    sym(glyph::horizontal, frame, 12), sym(glyph::topRight, frame), lineEnd(),
    at(kBarKeyRow, kTwoKeyBarColumn), sym(glyph::vertical, frame),
    say(" B", hotKey), say("ack", frame), say("  Q", hotKey), say("uit ", frame),
    sym(glyph::vertical, frame)};
// clang-format on

struct NavigationBar {
  std::span<const DrawStep> pieces;
  int cursorRow;
  int cursorColumn;  // the first key letter
};

// The first key letter follows the bar's left edge and a blank.
constexpr NavigationBar kFirstBar{kFirstPageBar, kBarKeyRow, kTwoKeyBarColumn + 2};
constexpr NavigationBar kMiddleBar{kMiddlePageBar, kBarKeyRow, kThreeKeyBarColumn + 2};
constexpr NavigationBar kLastBar{kLastPageBar, kBarKeyRow, kTwoKeyBarColumn + 2};

const NavigationBar& navigationBar(int number) {
  if (number == 1) return kFirstBar;
  return number == kHelpPageCount ? kLastBar : kMiddleBar;
}

void drawTitleBox(Screen& screen, const HelpPage& page) {
  const std::array<DrawStep, 2> title = {tab(page.titleColumn, help_role::title),
                                         say(page.title, help_role::title)};
  draw(screen, kTitleBoxTop);
  draw(screen, kTitleRowStart);
  draw(screen, title);
  draw(screen, page.titleRemark);
  draw(screen, kTitleRowEnd);
  draw(screen, kTitleBoxBottom);
}

}  // namespace

const HelpPage& helpPage(int number) {
  const std::span<const HelpPage> first = helpPagesOneToFive();
  const auto index = static_cast<std::size_t>(number - 1);
  return index < first.size() ? first[index] : helpPagesSixToTen()[index - first.size()];
}

void drawHelpPage(Screen& screen, int number) {
  const HelpPage& page = helpPage(number);
  const NavigationBar& bar = navigationBar(number);
  screen.clearScreen();
  if (page.hasTitleBox()) drawTitleBox(screen, page);
  draw(screen, page.body);
  draw(screen, bar.pieces);
  screen.moveCursor(bar.cursorRow, bar.cursorColumn);
}

}  // namespace bidgauge
