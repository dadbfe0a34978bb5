#include "batch/hand_line.hpp"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

#include "hand/card_tables.hpp"

namespace bidgauge {
namespace {

// Counts kept for each suit in one 16-bit lane: 5 bits each for the spot
// cards, the void marks and the named cards, and the top bit for a dot after
// the suit. The quick path takes no line longer than kLongest, so no count can
// overflow its bits.
constexpr std::size_t kLongest = 19;  // 13 cards, 3 separators, 3 void marks
constexpr std::uint16_t kOneSpot = 1;
constexpr std::uint16_t kOneVoidMark = 1 << 5;
constexpr std::uint16_t kOneNamed = 1 << 10;
constexpr std::uint16_t kDotAfter = 1 << 15;
constexpr unsigned kCountMask = 31;
constexpr std::uint64_t kEveryLane = 0x0001000100010001U;
constexpr std::uint64_t kLaneCounts = kCountMask * kEveryLane;
constexpr std::uint64_t kLaneHigh = 0x8000U * kEveryLane;
// The dots of a dotted hand: one after each of the first three suits.
constexpr std::uint64_t kThreeDots = 0x0000800080008000U;

// How far the lane moves on: a separator starts the next suit's lane; any
// other character moves it past every lane count, so that the line is refused.
constexpr std::uint8_t kNextSuit = 16;
constexpr std::uint8_t kRefused = 64;
constexpr unsigned kFourSuits = 3 * kNextSuit;

// What one byte of a hand line does, for the quick path. Each field is loaded
// on its own, so none needs unpacking; eight bytes make the index a plain scale.
struct alignas(8) CharInfo {
  std::uint16_t rankBit = 0;  // the card bit of a named card
  std::uint16_t counts = 0;   // added to the suit's lane
  std::uint8_t step = kRefused;
};

constexpr std::array<CharInfo, 256> makeCharInfo() {
  std::array<CharInfo, 256> table{};
  const auto set = [&table](char ch, CharInfo info) {
    table[static_cast<unsigned char>(ch)] = info;
  };
  for (std::size_t rank = 1; rank <= kRankLetters.size(); ++rank) {
    const CharInfo named{static_cast<std::uint16_t>(rankBit[rank]), kOneNamed, 0};
    const char letter = kRankLetters[rank - 1];
    set(letter, named);
    if (letter >= 'A' && letter <= 'Z') set(static_cast<char>(letter - 'A' + 'a'), named);
  }
  const CharInfo ten = table[static_cast<unsigned char>('T')];
  set('1', ten);
  set('0', ten);
  set('x', CharInfo{0, kOneSpot, 0});
  set('X', CharInfo{0, kOneSpot, 0});
  set('-', CharInfo{0, kOneVoidMark, 0});
  set(' ', CharInfo{0, 0, kNextSuit});
  set('\t', CharInfo{0, 0, kNextSuit});
  set('.', CharInfo{0, kDotAfter, kNextSuit});
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

// The sum of four lanes, each below 256: multiplying adds them up in the top lane.
constexpr unsigned laneSum(std::uint64_t lanes) {
  return static_cast<unsigned>(lanes * kEveryLane >> 48);
}

// Card bits, and the counts, of a line, a suit to each 16-bit lane from the
// lowest; and how far the lanes moved on.
struct Lanes {
  std::uint64_t cards = 0;
  std::uint64_t counts = 0;
  unsigned shift = 0;
};

// Without a branch per character: each separator moves on to the next lane.
// Card bits are added, not or-ed: a card given twice carries, and then shows
// as fewer bits than named cards. The rules are checked once the line is read.
Lanes lanesOf(std::string_view text) {
  Lanes lanes;
#pragma GCC unroll 4
  for (const char ch : text) {
    const CharInfo& info = kChars[static_cast<unsigned char>(ch)];
    // Past the fourth suit the lanes wrap round; the final shift refuses the line.
    lanes.cards += std::uint64_t{info.rankBit} << (lanes.shift & 63);
    lanes.counts += std::uint64_t{info.counts} << (lanes.shift & 63);
    lanes.shift += info.step;
  }
  return lanes;
}

// Each suit is cards alone or one void mark alone; only a dotted hand may
// leave a void as an empty group.
bool suitsValid(std::uint64_t lengths, std::uint64_t counts, bool dotted) {
  const std::uint64_t holdsCards = (lengths + kLaneHigh - kEveryLane) & kLaneHigh;
  const std::uint64_t voidMarks = counts >> 5 & kLaneCounts;
  const std::uint64_t oneVoidMark = voidMarks << 15;
  return (voidMarks & ~kEveryLane) == 0 && (holdsCards & oneVoidMark) == 0 &&
         (dotted || (holdsCards | oneVoidMark) == kLaneHigh);
}

// One store for the four suits where the lanes lie in memory order, so that
// a later wide read of the hand is served from the store buffer.
void storeLanes(std::array<std::int16_t, kSuitCount>& suits, std::uint64_t lanes) {
  if constexpr (std::endian::native == std::endian::little) {
    static_assert(sizeof suits == sizeof lanes);
    std::memcpy(suits.data(), &lanes, sizeof lanes);
  } else {
    for (std::size_t suit = 0; suit < kSuitCount; ++suit) {
      suits[suit] = static_cast<std::int16_t>(lanes >> (16 * suit));
    }
  }
}

}  // namespace

HandFormat formatOf(std::string_view text) {
  return text.find('.') == std::string_view::npos ? HandFormat::typed : HandFormat::dotted;
}

bool quickHand(std::string_view text, Hand& hand) {
  if (text.size() > kLongest) return false;
  const Lanes lanes = lanesOf(text);
  // Three separators and nothing else that moves the lanes on.
  if (lanes.shift != kFourSuits) return false;
  const std::uint64_t spots = lanes.counts & kLaneCounts;
  const std::uint64_t named = lanes.counts >> 10 & kLaneCounts;
  const std::uint64_t dots = lanes.counts & kLaneHigh;
  // Each suit's length in its lane: its named cards and its spot cards.
  const std::uint64_t namedLanes = laneBitCounts(lanes.cards);
  const std::uint64_t lengths = namedLanes + spots;
  // Blanks and dots never mix: a dotted hand holds no blank.
  const bool dotted = dots != 0;
  if (namedLanes != named || laneSum(lengths) != kCardsInHand || (dotted && dots != kThreeDots) ||
      !suitsValid(lengths, lanes.counts, dotted)) {
    return false;
  }
  storeLanes(hand.suitCards, lanes.cards);
  storeLanes(hand.spotCount, spots);
  storeLanes(hand.suitLength, lengths);
  hand.cardCount = kCardsInHand;
  return true;
}

std::optional<Hand> quickHand(std::string_view text) {
  Hand hand;
  return quickHand(text, hand) ? std::optional<Hand>(hand) : std::nullopt;
}

std::optional<EntryKey> LineKeys::next() {
  if (pending_) return std::exchange(pending_, std::nullopt);
  std::optional<EntryKey> key = keys_.next();
  if (!key) {
    // The last group of a dotted hand, when empty, is a void too.
    if (format_ == HandFormat::typed || !groupEmpty_ || ended_) return std::nullopt;
    ended_ = true;
    return EntryKey{"-", firstPosition_ + taken_, false};
  }
  ++taken_;
  // Tabs separate suits as blanks do.
  if (key->text == "\t") key->text = " ";
  if (format_ == HandFormat::typed) return key;
  if (key->text == ".") {
    const bool wasEmpty = std::exchange(groupEmpty_, true);
    EntryKey blank{" ", key->position, false};
    if (!wasEmpty) return blank;
    pending_ = std::move(blank);
    return EntryKey{"-", key->position, false};
  }
  // Blanks separate nothing in a dotted hand.
  if (key->text == " ") key->refused = true;
  groupEmpty_ = false;
  return key;
}

HandEntry enterLine(std::string_view text, HandFormat format, int firstPosition) {
  return enterKeysOf(LineKeys(text, format, firstPosition));
}

bool readHand(std::string_view text, HandFormat format, int firstPosition, Hand& hand,
              std::string& error) {
  // The quick path takes either form; only the one asked for may pass.
  if (const std::optional<Hand> quick = quickHand(text); quick && formatOf(text) == format) {
    hand = *quick;
    return true;
  }
  HandEntry entry = enterLine(text, format, firstPosition);
  if (!entry.complete) {
    error = std::move(entry.error);
    return false;
  }
  hand = entry.state.hand;
  return true;
}

}  // namespace bidgauge
