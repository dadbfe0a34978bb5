#include "batch/hand_reader.hpp"

#include <array>
#include <vector>

#include "batch/blanks.hpp"
#include "batch/hand_entry.hpp"
#include "batch/hand_line.hpp"
#include "hand/card_tables.hpp"

namespace bidgauge {
namespace {

bool startsWithLabel(std::string_view text) {
  return !text.empty() &&
         (suitOfLabel(text.substr(0, 1)) >= 0 || suitOfLabel(text.substr(0, 3)) >= 0);
}

constexpr std::string_view kVariationSelector = "\xEF\xB8\x8F";  // after an emoji suit symbol

HandReading fromEntry(HandEntry entry) {
  if (entry.complete) return {entry.state.hand, {}, 0};
  return {std::nullopt, std::move(entry.error), entry.position};
}

// A deal string starts with a seat and a colon, and has no other colon: a
// hand with suit labels "S:..." has one for each suit.
bool isDealString(std::string_view text) {
  return text.size() >= 2 && text[1] == ':' && seatIndex(text[0]) >= 0 &&
         text.find(':', 2) == std::string_view::npos;
}

HandReading readTrimmed(std::string_view text, int firstPosition) {
  if (std::optional<Hand> quick = quickHand(text)) return {quick, {}, 0};
  if (startsWithLabel(text)) return readLabelledHand(text, firstPosition);
  return fromEntry(enterLine(text, formatOf(text), firstPosition));
}

// Once a suit holds this many keys the hand is refused at one of them: it
// takes 13 cards at most, and a void mark only before the suit's first
// card. So later keys of the suit are dropped, as are void marks after a
// void mark, which the entry line ignores: a long text holds few keys.
constexpr std::size_t kKeysKeptPerSuit = kCardsInHand + 1;

void keepKey(std::vector<EntryKey>& suitKeys, EntryKey key) {
  if (suitKeys.size() == kKeysKeptPerSuit) return;
  if (key.text == "-" && !suitKeys.empty() && suitKeys.back().text == "-") return;
  suitKeys.push_back(std::move(key));
}

}  // namespace

int suitOfLabel(std::string_view key) {
  static constexpr std::array<std::string_view, 8> kSymbols = {
      "\xE2\x99\xA0", "\xE2\x99\xA5", "\xE2\x99\xA6", "\xE2\x99\xA3",   // black
      "\xE2\x99\xA4", "\xE2\x99\xA1", "\xE2\x99\xA2", "\xE2\x99\xA7"};  // white
  if (key.size() == 1) {
    switch (key[0]) {
      case 'S':
      case 's':
        return kSpades;
      case 'H':
      case 'h':
        return kHearts;
      case 'D':
      case 'd':
        return kDiamonds;
      case 'C':
      case 'c':
        return kClubs;
      default:
        return -1;
    }
  }
  for (std::size_t i = 0; i < kSymbols.size(); ++i) {
    if (key == kSymbols[i]) return static_cast<int>(i % 4);
  }
  return -1;
}

HandReading readLabelledHand(std::string_view text, int firstPosition) {
  std::array<std::vector<EntryKey>, kSuitCount> suits;
  std::array<bool, kSuitCount> given{};
  int suit = -1;
  bool afterLabel = false;
  TextKeys textKeys(text, firstPosition);
  while (std::optional<EntryKey> next = textKeys.next()) {
    EntryKey& key = *next;
    const int label = suitOfLabel(key.text);
    if (label >= 0) {
      if (given[static_cast<std::size_t>(label)]) {
        return {std::nullopt,
                "the " + std::string(suitName[static_cast<std::size_t>(label)]) +
                    " are given twice, at position " + std::to_string(key.position),
                key.position};
      }
      given[static_cast<std::size_t>(label)] = true;
      suit = label;
      afterLabel = true;
      continue;
    }
    const bool labelMark = afterLabel && (key.text == ":" || key.text == kVariationSelector);
    afterLabel = labelMark;
    if (labelMark || key.text == " " || key.text == "\t") continue;
    if (suit < 0) {
      key.refused = true;  // a card before any label
      return fromEntry(enterKeys(std::span(&key, 1)));
    }
    keepKey(suits[static_cast<std::size_t>(suit)], std::move(key));
  }
  std::vector<EntryKey> keys;
  for (int s = 0; s < kSuitCount; ++s) {
    const auto& cards = suits[static_cast<std::size_t>(s)];
    const int position = cards.empty() ? firstPosition : cards.front().position;
    if (s != 0) keys.push_back({" ", position, false});
    if (cards.empty()) keys.push_back({"-", position, false});
    keys.insert(keys.end(), cards.begin(), cards.end());
  }
  return fromEntry(enterKeys(keys));
}

HandReading readOneHand(std::string_view text) {
  const Trimmed trimmed = trimmedBlanks(text);
  return readTrimmed(trimmed.text, trimmed.firstPosition);
}

LineHands readHandsOfLine(std::string_view text, int firstPosition) {
  // A hand the quick reader takes holds no seat letter or colon, so it is
  // none of the deal forms tried first; readTrimmed reads it quickly last.
  LineHands line;
  if (isDealString(text)) {
    std::string error;
    if (std::optional<DealHands> deal = readDealString(text, firstPosition, error)) {
      line.deal = std::move(*deal);
    } else {
      line.deal.errors.push_back("malformed deal: " + error);
    }
    return line;
  }
  if (std::optional<DealHands> deal = readGeneratorLine(text, firstPosition, line.board)) {
    line.deal = std::move(*deal);
    return line;
  }
  HandReading reading = readTrimmed(text, firstPosition);
  if (reading.hand) {
    line.deal.add(0, *reading.hand);
  } else {
    line.deal.errors.push_back(std::move(reading.error));
  }
  return line;
}

}  // namespace bidgauge
