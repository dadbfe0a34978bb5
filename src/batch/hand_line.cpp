#include "batch/hand_line.hpp"

#include <array>
#include <cstdint>

#include "hand/card_tables.hpp"

namespace bidgauge {
namespace {

// Counts kept for each suit in one 16-bit lane: 5 bits each for the spot
// cards and the void marks. The quick path takes no line longer than
// kLongest, so no count can overflow its bits.
constexpr std::size_t kLongest = 19;  // 13 cards, 3 separators, 3 void marks
constexpr std::uint16_t kOneSpot = 1;
constexpr std::uint16_t kOneVoidMark = 1 << 5;
constexpr unsigned kCountMask = 31;
constexpr std::uint64_t kEveryLane = 0x0001000100010001U;
constexpr std::uint64_t kLaneCounts = kCountMask * kEveryLane;
constexpr std::uint64_t kLaneHigh = 0x8000U * kEveryLane;

// Separator, named-card, stray-character and not-as-written counts, 5 bits
// each, in one word.
constexpr std::uint32_t kOneBlank = 1;
constexpr std::uint32_t kOneDot = 1 << 5;
constexpr std::uint32_t kOneNamed = 1 << 10;
constexpr std::uint32_t kOneOther = 1 << 15;
constexpr std::uint32_t kOneUnusual = 1 << 20;  // a key the hand column writes otherwise

// Order of the keys within a suit as the hand column writes them: named cards
// from the Ace down, then spot cards. A key is out of order when the one before
// it in its suit comes at or after its place; a separator starts afresh.
constexpr std::uint8_t kSpotPlace = 14;
constexpr std::uint8_t kAnyPlace = 15;  // never out of order

// What one byte of a hand line does, for the quick path. Each field is loaded
// on its own, so none needs unpacking.
struct CharInfo {
  std::uint16_t rankBit = 0;        // the card bit of a named card
  std::uint16_t counts = 0;         // added to the suit's lane
  std::uint32_t marks = kOneOther;  // separators, and anything left to the parser
  std::uint8_t shift = 0;           // 16 for a separator: the next suit takes the lowest lane
  std::uint8_t place = kAnyPlace;   // compared with the place of the key before
  std::uint8_t placeAfter = 0;      // what the next key is compared with
};

constexpr std::array<CharInfo, 256> makeCharInfo() {
  std::array<CharInfo, 256> table{};
  const auto set = [&table](char ch, CharInfo info) {
    table[static_cast<unsigned char>(ch)] = info;
  };
  for (std::size_t rank = 1; rank <= kRankLetters.size(); ++rank) {
    const auto bit = static_cast<std::uint16_t>(rankBit[rank]);
    const auto place = static_cast<std::uint8_t>(rank);
    const char letter = kRankLetters[rank - 1];
    set(letter, CharInfo{bit, 0, kOneNamed, 0, place, place});
    if (letter >= 'A' && letter <= 'Z') {
      set(static_cast<char>(letter - 'A' + 'a'),
          CharInfo{bit, 0, kOneNamed + kOneUnusual, 0, place, place});
    }
  }
  CharInfo ten = table[static_cast<unsigned char>('T')];
  ten.marks += kOneUnusual;
  set('1', ten);
  set('0', ten);
  set('x', CharInfo{0, kOneSpot, 0, 0, kAnyPlace, kSpotPlace});
  set('X', CharInfo{0, kOneSpot, kOneUnusual, 0, kAnyPlace, kSpotPlace});
  set('-', CharInfo{0, kOneVoidMark, 0, 0, kAnyPlace, 0});
  set(' ', CharInfo{0, 0, kOneBlank, 16, kAnyPlace, 0});
  set('\t', CharInfo{0, 0, kOneBlank + kOneUnusual, 16, kAnyPlace, 0});
  set('.', CharInfo{0, 0, kOneDot, 16, kAnyPlace, 0});
  return table;
}

constexpr std::array<CharInfo, 256> kChars = makeCharInfo();

// The number of set bits in each 16-bit lane, in the lane's low byte; without
// a popcount instruction, which not every x86-64 has.
constexpr std::uint64_t laneBitCounts(std::uint64_t x) {
  x -= x >> 1 & 0x5555555555555555U;
  x = (x & 0x3333333333333333U) + (x >> 2 & 0x3333333333333333U);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FU;
  return (x + (x >> 8)) & 0x00FF00FF00FF00FFU;
}

}  // namespace

HandFormat formatOf(std::string_view text) {
  return text.find('.') == std::string_view::npos ? HandFormat::typed : HandFormat::dotted;
}

// Without a branch per character: the card bits and the counts of a suit
// are kept in the lowest 16 bits of two words, and each separator moves the
// suits read so far up by 16 bits. Card bits are added, not or-ed: a card
// given twice then shows as fewer bits than named cards. The rules are
// checked once the line is read.
std::optional<QuickHand> quickRead(std::string_view text) {
  if (text.size() > kLongest) return std::nullopt;
  std::uint64_t cards = 0;
  std::uint64_t counts = 0;
  std::uint32_t marks = 0;
  unsigned outOfOrder = 0;
  unsigned place = 0;
  for (const char ch : text) {
    const CharInfo& info = kChars[static_cast<unsigned char>(ch)];
    cards = (cards << info.shift) + info.rankBit;
    counts = (counts << info.shift) + info.counts;
    marks += info.marks;
    outOfOrder += place >= info.place;
    place = info.placeAfter;
  }
  const unsigned blanks = marks & kCountMask;
  const unsigned dots = marks >> 5 & kCountMask;
  const unsigned named = marks >> 10 & kCountMask;
  const unsigned others = marks >> 15 & kCountMask;
  const unsigned unusual = marks >> 20;
  // Blanks and dots never mix: a dotted hand holds no blank.
  const bool dotted = dots != 0;
  // Each suit's length in its lane: its named cards and its spot cards.
  const std::uint64_t lengths = laneBitCounts(cards) + (counts & kLaneCounts);
  // Every lane is below 256, so multiplying adds them up in the top lane.
  const auto total = static_cast<unsigned>(lengths * kEveryLane >> 48);
  const auto namedTotal = static_cast<unsigned>(laneBitCounts(cards) * kEveryLane >> 48);
  // A suit is cards alone or one void mark alone; only a dotted hand may
  // leave a void as an empty group.
  const std::uint64_t holdsCards = (lengths + kLaneHigh - kEveryLane) & kLaneHigh;
  const std::uint64_t voidMarks = counts >> 5 & kLaneCounts;
  const std::uint64_t oneVoidMark = voidMarks << 15;
  const bool suitsValid = (voidMarks & ~kEveryLane) == 0 && (holdsCards & oneVoidMark) == 0 &&
                          (dotted || (holdsCards | oneVoidMark) == kLaneHigh);
  if (others != 0 || blanks + dots != 3 || (dotted && blanks != 0) || namedTotal != named ||
      total != kCardsInHand || !suitsValid) {
    return std::nullopt;
  }
  QuickHand quick;
  Hand& hand = quick.hand;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    const auto at = static_cast<unsigned>(16 * (kClubs - suit));
    hand.suitCards[suit] = static_cast<std::int16_t>(cards >> at);
    hand.spotCount[suit] = static_cast<std::int16_t>(counts >> at & kCountMask);
    hand.suitLength[suit] = static_cast<std::int16_t>(lengths >> at & 0xFFU);
  }
  hand.cardCount = kCardsInHand;
  quick.written = !dotted && unusual == 0 && outOfOrder == 0;
  return quick;
}

std::optional<Hand> quickHand(std::string_view text) {
  const std::optional<QuickHand> quick = quickRead(text);
  return quick ? std::optional<Hand>(quick->hand) : std::nullopt;
}

std::vector<EntryKey> keysOfLine(std::string_view text, HandFormat format, int firstPosition) {
  std::vector<EntryKey> keys = keysOfText(text, firstPosition);
  // Tabs separate suits as blanks do.
  for (EntryKey& key : keys) {
    if (key.text == "\t") key.text = " ";
  }
  if (format == HandFormat::typed) return keys;
  std::vector<EntryKey> typed;
  bool groupEmpty = true;
  for (EntryKey& key : keys) {
    if (key.text == ".") {
      if (groupEmpty) typed.push_back({"-", key.position, false});
      typed.push_back({" ", key.position, false});
      groupEmpty = true;
      continue;
    }
    // Blanks separate nothing in a dotted hand.
    if (key.text == " ") key.refused = true;
    groupEmpty = false;
    typed.push_back(std::move(key));
  }
  if (groupEmpty) typed.push_back({"-", firstPosition + static_cast<int>(keys.size()), false});
  return typed;
}

bool readHand(std::string_view text, HandFormat format, int firstPosition, Hand& hand,
              std::string& error) {
  // The quick path takes either form; only the one asked for may pass.
  if (const std::optional<Hand> quick = quickHand(text); quick && formatOf(text) == format) {
    hand = *quick;
    return true;
  }
  HandEntry entry = enterKeys(keysOfLine(text, format, firstPosition));
  if (!entry.complete) {
    error = std::move(entry.error);
    return false;
  }
  hand = entry.state.hand;
  return true;
}

bool readHandLine(std::string_view text, int firstPosition, Hand& hand, std::string& error) {
  if (const std::optional<Hand> quick = quickHand(text)) {
    hand = *quick;
    return true;
  }
  return readHand(text, formatOf(text), firstPosition, hand, error);
}

}  // namespace bidgauge
