#include "cli/row_format.hpp"

#include <algorithm>
#include <array>
#include <cstring>

#include "hand/card_tables.hpp"

namespace bidgauge {
namespace {

constexpr std::array<std::string_view, 3> kQualityNames = {"bad", "ordinary", "good"};

// Letters of a suit's cards from the Ace down, in two tables: one for the seven
// highest ranks, one for the six lowest, indexed by their card bits. Each entry
// is written whole; its last byte says how many letters count.
struct Letters {
  std::array<char, 8> text{};
  int count() const { return text[7]; }
};

template <std::size_t kCount>
constexpr std::array<Letters, kCount> lettersOf(std::string_view ranks) {
  std::array<Letters, kCount> table{};
  for (std::size_t bits = 0; bits < kCount; ++bits) {
    char length = 0;
    for (std::size_t rank = 0; rank < ranks.size(); ++rank) {
      if ((bits >> rank & 1U) != 0)
        table[bits].text[static_cast<std::size_t>(length++)] = ranks[rank];
    }
    table[bits].text[7] = length;
  }
  return table;
}

constexpr auto kHighLetters = lettersOf<128>(kRankLetters.substr(0, 7));
constexpr auto kLowLetters = lettersOf<64>(kRankLetters.substr(7));
constexpr char kSpots[16] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x',
                             'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};

constexpr std::array<char, 200> makeDigitPairs() {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}

constexpr std::array<char, 200> kDigitPairs = makeDigitPairs();

char* put(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

char* putUnsigned(char* out, unsigned long value) {
  // Values are small: one or two digits are the common case.
  if (value < 10) {
    *out = static_cast<char>('0' + value);
    return out + 1;
  }
  if (value < 100) {
    std::memcpy(out, &kDigitPairs[2 * value], 2);
    return out + 2;
  }
  char digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (count != 0) *out++ = digits[--count];
  return out;
}

char* putInt(char* out, long value) {
  if (value >= 0) return putUnsigned(out, static_cast<unsigned long>(value));
  *out++ = '-';
  return putUnsigned(out, 0UL - static_cast<unsigned long>(value));
}

// 1220 -> "12.20", -50 -> "-0.50"
char* putHundredths(char* out, int hundredths) {
  if (hundredths < 0) *out++ = '-';
  const auto magnitude = static_cast<unsigned>(hundredths < 0 ? -hundredths : hundredths);
  out = putUnsigned(out, magnitude / 100);
  *out++ = '.';
  std::memcpy(out, &kDigitPairs[2 * (magnitude % 100)], 2);
  return out + 2;
}

// 5 -> "2.5", 4 -> "2"
char* putHalves(char* out, int halves) {
  out = putInt(out, halves / 2);
  return halves % 2 != 0 ? put(out, ".5") : out;
}

std::string_view qualityName(int quality) {
  return kQualityNames[static_cast<std::size_t>(quality < 0 ? 0 : quality > 0 ? 2 : 1)];
}

char* putTsv(char* out, const BatchRow& row, const Evaluation& e) {
  if (row.board) out = putInt(out, *row.board);
  *out++ = '\t';
  if (row.seat != 0) *out++ = row.seat;
  *out++ = '\t';
  out = writeHandText(out, row.hand);
  *out++ = '\t';
  out = putHundredths(out, e.knr.hundredths);
  out = put(out, e.knr.opens ? "\t1\t" : "\t0\t");
  out = putInt(out, e.zar.points);
  out = put(out, e.zar.opens ? "\t1\t" : "\t0\t");
  out = putInt(out, e.kleinman.points);
  *out++ = '\t';
  out = put(out, qualityName(e.kleinman.quality));
  out = put(out, e.kleinman.opens ? "\t1\t" : "\t0\t");
  out = putHalves(out, e.culbertson.halfTricks);
  return put(out, e.culbertson.opens ? "\t1\n" : "\t0\n");
}

char* putFlag(char* out, std::string_view key, bool flag) {
  out = put(out, key);
  return put(out, flag ? "true" : "false");
}

char* putJson(char* out, const BatchRow& row, const Evaluation& e) {
  out = put(out, "{\"board\":");
  out = row.board ? putInt(out, *row.board) : put(out, "null");
  out = put(out, ",\"seat\":");
  if (row.seat != 0) {
    *out++ = '"';
    *out++ = row.seat;
    *out++ = '"';
  } else {
    out = put(out, "null");
  }
  out = put(out, ",\"hand\":\"");
  out = writeHandText(out, row.hand);  // letters, digits, blanks and hyphens: nothing to escape
  out = put(out, "\",\"knr\":");
  out = putHundredths(out, e.knr.hundredths);
  out = putFlag(out, ",\"knr_opens\":", e.knr.opens);
  out = put(out, ",\"zar\":");
  out = putInt(out, e.zar.points);
  out = putFlag(out, ",\"zar_opens\":", e.zar.opens);
  out = put(out, ",\"kleinman\":");
  out = putInt(out, e.kleinman.points);
  out = put(out, ",\"kleinman_quality\":\"");
  out = put(out, qualityName(e.kleinman.quality));
  out = putFlag(out, "\",\"kleinman_opens\":", e.kleinman.opens);
  out = put(out, ",\"honor_tricks\":");
  out = putHalves(out, e.culbertson.halfTricks);
  out = putFlag(out, ",\"honor_tricks_opens\":", e.culbertson.opens);
  return put(out, "}\n");
}

}  // namespace

// Writes whole table entries and runs of x past the end of the text: the
// caller's buffer has room to spare (kMaxRowBytes, kHandTextRoom).
char* writeHandText(char* out, const Hand& hand) {
  for (int suit = 0; suit < kSuitCount; ++suit) {
    if (suit != 0) *out++ = ' ';
    const auto cards = static_cast<unsigned>(static_cast<std::uint16_t>(hand.suitCards[suit]));
    const unsigned high = cards >> 1 & 0x7FU;  // Ace to Eight
    const unsigned low = cards >> 8 & 0x3FU;   // Seven to Two
    const int spots = std::clamp<int>(hand.spotCount[suit], 0, 13);
    *out = '-';
    out += static_cast<int>(high == 0 && low == 0 && spots == 0);
    std::memcpy(out, kHighLetters[high].text.data(), 8);
    out += kHighLetters[high].count();
    std::memcpy(out, kLowLetters[low].text.data(), 8);
    out += kLowLetters[low].count();
    std::memcpy(out, kSpots, sizeof kSpots);
    out += spots;
  }
  return out;
}

std::string handText(const Hand& hand) {
  char text[kHandTextRoom];
  return std::string(text, writeHandText(text, hand));
}

char* writeRow(char* out, BatchFormat format, const BatchRow& row, const Evaluation& evaluation) {
  return format == BatchFormat::tsv ? putTsv(out, row, evaluation) : putJson(out, row, evaluation);
}

}  // namespace bidgauge
