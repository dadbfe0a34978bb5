// Drives the whole interactive program with arbitrary key sequences and checks,
// after every key, that the hand and the entry row are consistent.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/interactive_app.hpp"
#include "app/main_screen.hpp"
#include "console/scripted_console.hpp"

namespace {

using bidgauge::EntryState;
using bidgauge::Hand;

void check(bool condition) {
  if (!condition) std::abort();
}

void checkHand(const EntryState& entry) {
  const Hand& hand = entry.hand;
  int total = 0;
  for (int suit = 0; suit < bidgauge::kSuitCount; ++suit) {
    const auto bits = static_cast<std::uint16_t>(hand.suitCards[suit]);
    check((bits & 0xC001) == 0);  // only rank bits 1..13
    check(hand.spotCount[suit] >= 0);
    check(hand.suitLength[suit] == std::popcount(bits) + hand.spotCount[suit]);
    total += hand.suitLength[suit];
  }
  check(hand.cardCount == total);
  check(hand.cardCount >= 0 && hand.cardCount <= bidgauge::kCardsInHand);
  check(entry.curSuit >= 0 && entry.curSuit <= 3);
  check(entry.handText.size() <= 19);
}

void checkEntryRow(const bidgauge::InteractiveApp& app, const bidgauge::Screen& screen) {
  const int row = app.entryRow();
  if (row == 0) return;
  // The typed text from the entry column, then a blank.
  const std::string& typed = app.entry().handText;
  const int column = bidgauge::entryColumn;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    check(screen.cell(row, column + static_cast<int>(i)).ch == typed[i]);
  }
  check(screen.cell(row, column + static_cast<int>(typed.size())).ch == ' ');
}

}  // namespace

// Each input byte is one key; a 0 byte and the byte after it form a key without
// a character (a scan code), as the terminal delivers them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  bidgauge::ScriptedConsole console;
  bidgauge::InteractiveApp app(console);
  app.start();
  for (std::size_t i = 0; i < size; ++i) {
    const bidgauge::Key key = data[i] == 0 && i + 1 < size ? bidgauge::Key::scan(data[++i])
                                                           : bidgauge::Key::character(data[i]);
    const bool goesOn = app.handle(key);
    checkHand(app.entry());
    checkEntryRow(app, console.screen());
    check(goesOn == !app.finished());
    if (!goesOn) break;
  }
  return 0;
}
