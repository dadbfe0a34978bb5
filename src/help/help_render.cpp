#include "help/help_render.hpp"

#include <array>

#include "hand/cp437.hpp"
#include "help/help_pages.hpp"

namespace bidgauge {
namespace {

using namespace help_piece;
using help_role::frame;
using help_role::hotKey;

// clang-format off
constexpr HelpPiece kTitleBoxTop[] = {
    at(1, 1), say(" ", frame), sym(glyph::topLeft, frame), sym(glyph::horizontal, frame, 76),
    sym(glyph::topRight, frame)};
constexpr HelpPiece kTitleRowStart[] = {at(2, 1), say(" ", frame), sym(glyph::vertical, frame)};
constexpr HelpPiece kTitleRowEnd[] = {tab(79, frame), sym(glyph::vertical, frame)};
constexpr HelpPiece kTitleBoxBottom[] = {
    at(3, 1), say(" ", frame), sym(glyph::bottomLeft, frame), sym(glyph::horizontal, frame, 76),
    sym(glyph::bottomRight, frame)};

// Row 24 ends with a line break; row 25 does not, so the screen never scrolls.
constexpr HelpPiece kFirstPageBar[] = {
    at(24, 33), sym(glyph::topLeft, frame), sym(glyph::horizontal, frame, 12),
    sym(glyph::topRight, frame), lineEnd(),
    at(25, 33), sym(glyph::vertical, frame), say(" M", hotKey), say("ore", frame),
    say("  Q", hotKey), say("uit ", frame), sym(glyph::vertical, frame)};
constexpr HelpPiece kMiddlePageBar[] = {
    at(24, 31), sym(glyph::topLeft, frame), sym(glyph::horizontal, frame, 18),
    sym(glyph::topRight, frame), lineEnd(),
    at(25, 31), sym(glyph::vertical, frame), say(" M", hotKey), say("ore", frame),
    say("  B", hotKey), say("ack", frame), say("  Q", hotKey), say("uit ", frame),
    sym(glyph::vertical, frame)};
constexpr HelpPiece kLastPageBar[] = {
    at(24, 33), sym(glyph::topLeft, frame), sym(glyph::horizontal, frame, 12),
    sym(glyph::topRight, frame), lineEnd(),
    at(25, 33), sym(glyph::vertical, frame), say(" B", hotKey), say("ack", frame),
    say("  Q", hotKey), say("uit ", frame), sym(glyph::vertical, frame)};
// clang-format on

struct NavigationBar {
  std::span<const HelpPiece> pieces;
  int cursorRow;
  int cursorColumn;  // the first key letter
};

constexpr NavigationBar kFirstBar{kFirstPageBar, 25, 35};
constexpr NavigationBar kMiddleBar{kMiddlePageBar, 25, 33};
constexpr NavigationBar kLastBar{kLastPageBar, 25, 35};

const NavigationBar& navigationBar(int number) {
  if (number == 1) return kFirstBar;
  return number == kHelpPageCount ? kLastBar : kMiddleBar;
}

void drawPiece(Console& console, const HelpPiece& piece) {
  console.setColor(piece.foreground, color::keep);
  switch (piece.kind) {
    case HelpPiece::Kind::moveTo:
      console.moveCursor(piece.row, piece.column);
      break;
    case HelpPiece::Kind::tab:
      console.tabTo(piece.column);
      break;
    case HelpPiece::Kind::newLine:
      console.newLine();
      break;
    case HelpPiece::Kind::text:
      for (int i = 0; i < piece.times; ++i) console.printText(piece.text);
      break;
  }
}

void drawTitleBox(Console& console, const HelpPage& page) {
  const std::array<HelpPiece, 2> title = {tab(page.titleColumn, help_role::title),
                                          say(page.title, help_role::title)};
  drawPieces(console, kTitleBoxTop);
  drawPieces(console, kTitleRowStart);
  drawPieces(console, title);
  drawPieces(console, page.titleRemark);
  drawPieces(console, kTitleRowEnd);
  drawPieces(console, kTitleBoxBottom);
}

}  // namespace

const HelpPage& helpPage(int number) {
  const std::span<const HelpPage> first = helpPagesOneToFive();
  const auto index = static_cast<std::size_t>(number - 1);
  return index < first.size() ? first[index] : helpPagesSixToTen()[index - first.size()];
}

void drawPieces(Console& console, std::span<const HelpPiece> pieces) {
  for (const HelpPiece& piece : pieces) drawPiece(console, piece);
}

void drawHelpPage(Console& console, int number) {
  const HelpPage& page = helpPage(number);
  const NavigationBar& bar = navigationBar(number);
  console.clearScreen();
  if (page.hasTitleBox()) drawTitleBox(console, page);
  drawPieces(console, page.body);
  drawPieces(console, bar.pieces);
  console.moveCursor(bar.cursorRow, bar.cursorColumn);
}

}  // namespace bidgauge
