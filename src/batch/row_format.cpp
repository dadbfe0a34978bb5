#include "batch/row_format.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "batch/json_text.hpp"
#include "hand/card_tables.hpp"
#include "results/result_text.hpp"

namespace bidgauge {
namespace {

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
    std::size_t length = 0;
    for (std::size_t rank = 0; rank < ranks.size(); ++rank) {
      if ((bits >> rank & 1U) != 0) table[bits].text[length++] = ranks[rank];
    }
    table[bits].text[7] = static_cast<char>(length);
  }
  return table;
}

constexpr auto kHighLetters = lettersOf<128>(kRankLetters.substr(0, 7));
constexpr auto kLowLetters = lettersOf<64>(kRankLetters.substr(7));
constexpr char kSpots[16] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x',
                             'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};

constexpr char* putText(char* out, std::string_view text) {
  for (const char ch : text) *out++ = ch;
  return out;
}

constexpr char* putInt(char* out, long value) {
  if (value < 0) *out++ = '-';
  unsigned long magnitude =
      value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  char digits[20] = {};
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (count != 0) *out++ = digits[--count];
  return out;
}

constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// putInt for the line and board numbers of every row: two digits a step,
// written from the end once the digits are counted.
char* putCount(char* out, unsigned long value) {
  int digits = 1;
  for (unsigned long limit = 10; value >= limit && digits < 19; limit *= 10) ++digits;
  char* end = out + digits;
  char* at = end;
  while (value >= 100) {
    at -= 2;
    std::memcpy(at, &kDigitPairs[2 * (value % 100)], 2);
    value /= 100;
  }
  if (value >= 10) {
    std::memcpy(at - 2, &kDigitPairs[2 * value], 2);
  } else {
    at[-1] = static_cast<char>('0' + value);
  }
  return end;
}

// 5 -> "2.5", 4 -> "2"
constexpr char* putHalves(char* out, int halves) {
  out = putInt(out, halves / 2);
  return halves % 2 != 0 ? putText(out, ".5") : out;
}

constexpr std::string_view qualityName(int quality) {
  return quality < 0 ? "bad" : quality > 0 ? "good" : "ordinary";
}

// How a format sets out its fields: a separator before each, or JSON keys.
struct Style {
  char separator = '\t';
  bool json = false;
};

constexpr Style styleOf(BatchFormat format) {
  return format == BatchFormat::tsv   ? Style{'\t', false}
         : format == BatchFormat::csv ? Style{',', false}
                                      : Style{',', true};
}

constexpr char* putKey(char* out, Style style, std::string_view key) {
  if (!style.json) {
    *out++ = style.separator;
    return out;
  }
  out = putText(out, ",\"");
  out = putText(out, key);
  return putText(out, "\":");
}

constexpr char* putFlag(char* out, Style style, std::string_view key, bool flag) {
  out = putKey(out, style, key);
  if (style.json) return putText(out, flag ? "true" : "false");
  return putText(out, flag ? "1" : "0");
}

// The fields of each method's value, written out by these, or copied whole
// from the tables below that they fill for the common values.
constexpr char* putKnr(char* out, Style style, int hundredths, bool opens) {
  out = writeHundredths(putKey(out, style, "knr"), hundredths);
  return putFlag(out, style, "knr_opens", opens);
}

constexpr char* putZar(char* out, Style style, int points, bool opens) {
  out = putInt(putKey(out, style, "zar"), points);
  return putFlag(out, style, "zar_opens", opens);
}

constexpr char* putKleinman(char* out, Style style, int points, int quality, bool opens) {
  out = putInt(putKey(out, style, "kleinman"), points);
  out = putKey(out, style, "kleinman_quality");
  if (style.json) *out++ = '"';
  out = putText(out, qualityName(quality));
  if (style.json) *out++ = '"';
  return putFlag(out, style, "kleinman_opens", opens);
}

constexpr char* putHonorTricks(char* out, Style style, int halves, bool opens) {
  out = putHalves(putKey(out, style, "honor_tricks"), halves);
  return putFlag(out, style, "honor_tricks_opens", opens);
}

constexpr char* putHcp(char* out, Style style, int hcp) {
  return putInt(putKey(out, style, "hcp"), hcp);
}

// The same, out of line, for values without a ready text.
[[gnu::noinline, gnu::cold]] char* putKnrSlowly(char* out, Style style, int hundredths,
                                                bool opens) {
  return putKnr(out, style, hundredths, opens);
}
[[gnu::noinline, gnu::cold]] char* putZarSlowly(char* out, Style style, int points, bool opens) {
  return putZar(out, style, points, opens);
}
[[gnu::noinline, gnu::cold]] char* putKleinmanSlowly(char* out, Style style, int points,
                                                     int quality, bool opens) {
  return putKleinman(out, style, points, quality, opens);
}
[[gnu::noinline, gnu::cold]] char* putHonorTricksSlowly(char* out, Style style, int halves,
                                                        bool opens) {
  return putHonorTricks(out, style, halves, opens);
}
[[gnu::noinline, gnu::cold]] char* putHcpSlowly(char* out, Style style, int hcp) {
  return putHcp(out, style, hcp);
}

// A field's text ready to copy: written whole, `length` bytes of it count.
template <std::size_t kSize>
struct Piece {
  std::array<char, kSize - 1> text{};
  std::uint8_t length = 0;
};

template <std::size_t kSize, class Write>
constexpr Piece<kSize> pieceOf(Write write) {
  Piece<kSize> piece;
  char buffer[kSize] = {};
  piece.length = static_cast<std::uint8_t>(write(buffer) - buffer);
  for (std::size_t i = 0; i < piece.length; ++i) piece.text[i] = buffer[i];
  return piece;
}

// Copies the piece whole, its length byte too, as one wide store.
template <std::size_t kSize>
char* copyPiece(char* out, const Piece<kSize>& piece) {
  static_assert(sizeof piece == kSize);
  std::memcpy(out, &piece, sizeof piece);
  return out + piece.length;
}

// The values that have ready texts, each with the opening flag its value
// gives; KnR values are whole multiples of 0.05.
constexpr int kKnrStep = 5;
constexpr int kKnrLow = -100;
constexpr int kKnrHigh = 3000;
constexpr int kZarLow = -10;
constexpr int kZarHigh = 100;
constexpr int kKleinmanLow = -5;
constexpr int kKleinmanHigh = 60;
constexpr int kHalvesHigh = 40;
constexpr int kHcpHigh = 40;

template <std::size_t kSize>
struct ValueTexts {
  std::array<Piece<kSize>, (kKnrHigh - kKnrLow) / kKnrStep + 1> knr{};
  std::array<Piece<kSize>, kZarHigh - kZarLow + 1> zar{};
  std::array<Piece<kSize>, std::size_t{3} * (kKleinmanHigh - kKleinmanLow + 1)> kleinman{};
  std::array<Piece<kSize>, kHalvesHigh + 1> honorTricks{};
  std::array<Piece<kSize>, kHcpHigh + 1> hcp{};
};

template <std::size_t kSize>
constexpr ValueTexts<kSize> makeValueTexts(Style style) {
  ValueTexts<kSize> texts;
  for (std::size_t i = 0; i < texts.knr.size(); ++i) {
    const int hundredths = kKnrLow + kKnrStep * static_cast<int>(i);
    texts.knr[i] = pieceOf<kSize>([&](char* out) {
      return putKnr(out, style, hundredths, hundredths >= kKnrOpeningHundredths);
    });
  }
  for (std::size_t i = 0; i < texts.zar.size(); ++i) {
    const int points = kZarLow + static_cast<int>(i);
    texts.zar[i] = pieceOf<kSize>(
        [&](char* out) { return putZar(out, style, points, points >= kZarOpening); });
  }
  for (std::size_t i = 0; i < texts.kleinman.size(); ++i) {
    const int points = kKleinmanLow + static_cast<int>(i / 3);
    const int quality = static_cast<int>(i % 3) - 1;
    texts.kleinman[i] = pieceOf<kSize>([&](char* out) {
      return putKleinman(out, style, points, quality, points >= kKleinmanOpening);
    });
  }
  for (std::size_t i = 0; i < texts.honorTricks.size(); ++i) {
    const int halves = static_cast<int>(i);
    texts.honorTricks[i] = pieceOf<kSize>([&](char* out) {
      return putHonorTricks(out, style, halves, halves >= kCulbertsonOpeningHalves);
    });
  }
  for (std::size_t i = 0; i < texts.hcp.size(); ++i) {
    texts.hcp[i] =
        pieceOf<kSize>([&](char* out) { return putHcp(out, style, static_cast<int>(i)); });
  }
  return texts;
}

// Separated values need 16 bytes a field at most, JSON 80.
constexpr auto kTsvTexts = makeValueTexts<16>(styleOf(BatchFormat::tsv));
constexpr auto kCsvTexts = makeValueTexts<16>(styleOf(BatchFormat::csv));
constexpr auto kJsonTexts = makeValueTexts<80>(styleOf(BatchFormat::jsonl));

// Whether `value` is in low..high, in one comparison.
constexpr bool inRange(int value, int low, int high) {
  return static_cast<unsigned>(value - low) <= static_cast<unsigned>(high - low);
}

// Each field is copied from its table when the value has a ready text, and
// written out otherwise; the writing stays out of line, so that the common
// path needs no saved registers.
template <std::size_t kSize>
[[gnu::always_inline]] inline char* putKnrField(char* out, Style style,
                                                const ValueTexts<kSize>& texts,
                                                const KnrResult& knr) {
  const unsigned offset = static_cast<unsigned>(knr.hundredths - kKnrLow);
  const unsigned step = offset / kKnrStep;
  if (offset <= kKnrHigh - kKnrLow && step * kKnrStep == offset &&
      knr.opens == (knr.hundredths >= kKnrOpeningHundredths)) [[likely]] {
    return copyPiece(out, texts.knr[step]);
  }
  return putKnrSlowly(out, style, knr.hundredths, knr.opens);
}

template <std::size_t kSize>
[[gnu::always_inline]] inline char* putValues(char* out, Style style,
                                              const ValueTexts<kSize>& texts,
                                              const HandValues& values) {
  const Evaluation& e = values.evaluation;
  out = putKnrField(out, style, texts, e.knr);
  if (inRange(e.zar.points, kZarLow, kZarHigh) && e.zar.opens == (e.zar.points >= kZarOpening))
      [[likely]] {
    out = copyPiece(out, texts.zar[static_cast<std::size_t>(e.zar.points - kZarLow)]);
  } else {
    out = putZarSlowly(out, style, e.zar.points, e.zar.opens);
  }
  const KleinmanResult& k = e.kleinman;
  if (inRange(k.points, kKleinmanLow, kKleinmanHigh) && inRange(k.quality, -1, 1) &&
      k.opens == (k.points >= kKleinmanOpening)) [[likely]] {
    const int at = 3 * (k.points - kKleinmanLow) + k.quality + 1;
    out = copyPiece(out, texts.kleinman[static_cast<std::size_t>(at)]);
  } else {
    out = putKleinmanSlowly(out, style, k.points, k.quality, k.opens);
  }
  const int halves = e.culbertson.halfTricks;
  if (inRange(halves, 0, kHalvesHigh) && e.culbertson.opens == (halves >= kCulbertsonOpeningHalves))
      [[likely]] {
    out = copyPiece(out, texts.honorTricks[static_cast<std::size_t>(halves)]);
  } else {
    out = putHonorTricksSlowly(out, style, halves, e.culbertson.opens);
  }
  if (inRange(values.hcp, 0, kHcpHigh)) [[likely]] {
    return copyPiece(out, texts.hcp[static_cast<std::size_t>(values.hcp)]);
  }
  return putHcpSlowly(out, style, values.hcp);
}

// Writes whole table entries and runs of x past the end of the text: the
// caller's buffer has room to spare (kHandTextRoom, RowWriter::maxRowBytes).
// Each suit is followed by a blank, and the last one taken back.
[[gnu::always_inline]] inline char* putHandText(char* out, const Hand& hand) {
  for (int suit = 0; suit < kSuitCount; ++suit) {
    const auto cards = static_cast<unsigned>(static_cast<std::uint16_t>(hand.suitCards[suit]));
    const unsigned high = cards >> 1 & 0x7FU;  // Ace to Eight
    const unsigned low = cards >> 8 & 0x3FU;   // Seven to Two
    // At most 13 in a hand; the mask keeps even a broken count inside kSpots.
    const unsigned spots = static_cast<std::uint16_t>(hand.spotCount[suit]) & 15U;
    *out = '-';
    out += static_cast<int>((high | low | spots) == 0);
    std::memcpy(out, kHighLetters[high].text.data(), 8);
    out += kHighLetters[high].count();
    std::memcpy(out, kLowLetters[low].text.data(), 8);
    out += kLowLetters[low].count();
    std::memcpy(out, kSpots, sizeof kSpots);
    out += spots;
    *out++ = ' ';
  }
  return out - 1;
}

[[gnu::always_inline]] inline char* putSeparated(char* out, char separator, const BatchRow& row) {
  if (row.board) out = putCount(out, static_cast<unsigned long>(*row.board));
  *out++ = separator;
  if (row.seat != 0) *out++ = row.seat;
  *out++ = separator;
  return putHandText(out, row.hand);
}

char* putJsonStart(char* out, const BatchRow& row) {
  out = putText(out, "{\"board\":");
  out = row.board ? putCount(out, static_cast<unsigned long>(*row.board)) : putText(out, "null");
  out = putText(out, ",\"seat\":");
  if (row.seat != 0) {
    *out++ = '"';
    *out++ = row.seat;
    *out++ = '"';
  } else {
    out = putText(out, "null");
  }
  out = putText(out, ",\"hand\":\"");
  out = putHandText(out, row.hand);  // letters, digits, blanks and hyphens: nothing to escape
  return putText(out, "\"");
}

// A field quoted as RFC 4180 asks when it holds a comma, a quote or a line break.
bool needsCsvQuotes(std::string_view text) {
  return text.find_first_of(",\"\r\n") != std::string_view::npos;
}

std::string csvQuoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char ch : text) {
    if (ch == '"') quoted += '"';
    quoted += ch;
  }
  return quoted;
}

// A TSV field cannot hold a tab or a line break.
std::string tsvField(std::string_view text) {
  std::string field(text);
  std::replace_if(
      field.begin(), field.end(), [](char ch) { return ch == '\t' || ch == '\n' || ch == '\r'; },
      ' ');
  return field;
}

}  // namespace

std::string headerOf(BatchFormat format) {
  if (format == BatchFormat::jsonl) return {};
  std::string header(kTsvHeader);
  if (format == BatchFormat::csv) {
    std::replace(header.begin(), header.end(), '\t', ',');
    header.insert(header.size() - 1, "\r");
  }
  return header;
}

RowWriter::RowWriter(BatchFormat format, std::string_view sourceName) : format_(format) {
  switch (format) {
    case BatchFormat::tsv:
      sourceHead_ = "\t" + tsvField(sourceName) + ":";
      rowEnd_ = "\n";
      break;
    case BatchFormat::csv:
      if (needsCsvQuotes(sourceName)) {
        sourceHead_ = "," + csvQuoted(sourceName) + ":";
        rowEnd_ = "\"\r\n";
      } else {
        sourceHead_ = "," + std::string(sourceName) + ":";
        rowEnd_ = "\r\n";
      }
      break;
    case BatchFormat::jsonl:
      sourceHead_ = ",\"source\":\"";
      appendJsonEscaped(sourceHead_, sourceName);
      sourceHead_ += ':';
      rowEnd_ = "\"}\n";
      break;
  }
}

void RowWriter::setLine(long line) {
  if (line == line_) return;
  if (line == line_ + 1 && line_ >= 0) {
    std::size_t at = sourceLength_ - rowEnd_.size();
    while (at > sourceHead_.size() && source_[at - 1] == '9') source_[--at] = '0';
    if (at > sourceHead_.size()) {
      ++source_[at - 1];
      line_ = line;
      return;
    }
  }
  // A new number of digits, or a line out of turn: written afresh.
  char digits[24];
  const char* end = putCount(digits, static_cast<unsigned long>(line));
  const std::string_view number(digits, static_cast<std::size_t>(end - digits));
  source_ = sourceHead_;
  source_ += number;
  source_ += rowEnd_;
  sourceLength_ = source_.size();
  lastDigit_ = sourceLength_ - rowEnd_.size() - 1;
  source_.resize((sourceLength_ / kChunk + 1) * kChunk);
  line_ = line;
}

template <BatchFormat kFormat>
[[gnu::always_inline]] inline char* RowWriter::writeRow(char* out, const BatchRow& row,
                                                        const HandValues& values) {
  constexpr Style kStyle = styleOf(kFormat);
  if constexpr (kFormat == BatchFormat::tsv) {
    out = putValues(putSeparated(out, '\t', row), kStyle, kTsvTexts, values);
  } else if constexpr (kFormat == BatchFormat::csv) {
    out = putValues(putSeparated(out, ',', row), kStyle, kCsvTexts, values);
  } else {
    out = putValues(putJsonStart(out, row), kStyle, kJsonTexts, values);
  }
  // Mostly the next line, whose number ends in a digit that just counts on.
  if (row.line == line_ + 1 && line_ >= 0 && source_[lastDigit_] != '9') [[likely]] {
    ++source_[lastDigit_];
    line_ = row.line;
  } else {
    setLine(row.line);
  }
  // Read before writing: a write through `out` could change any member.
  const char* const source = source_.data();
  const std::size_t length = sourceLength_;
  for (std::size_t done = 0; done < length; done += kChunk) {
    std::memcpy(out + done, source + done, kChunk);
  }
  return out + length;
}

char* RowWriter::write(char* out, const BatchRow& row, const HandValues& values) {
  switch (format_) {
    case BatchFormat::tsv:
      return writeRow<BatchFormat::tsv>(out, row, values);
    case BatchFormat::csv:
      return writeRow<BatchFormat::csv>(out, row, values);
    case BatchFormat::jsonl:
      return writeRow<BatchFormat::jsonl>(out, row, values);
  }
  return out;
}

template <BatchFormat kFormat>
char* RowWriter::writeHandsAs(char* out, std::span<const Hand> hands, const long* lines,
                              const HandValues* values) {
  for (std::size_t i = 0; i < hands.size(); ++i) {
    out = writeRow<kFormat>(out, {std::nullopt, 0, hands[i], lines[i]}, values[i]);
  }
  return out;
}

char* RowWriter::writeHands(char* out, std::span<const Hand> hands, const long* lines,
                            const HandValues* values) {
  switch (format_) {
    case BatchFormat::tsv:
      return writeHandsAs<BatchFormat::tsv>(out, hands, lines, values);
    case BatchFormat::csv:
      return writeHandsAs<BatchFormat::csv>(out, hands, lines, values);
    case BatchFormat::jsonl:
      return writeHandsAs<BatchFormat::jsonl>(out, hands, lines, values);
  }
  return out;
}

char* writeHandText(char* out, const Hand& hand) {
  return putHandText(out, hand);
}

std::string handText(const Hand& hand) {
  char text[kHandTextRoom];
  return std::string(text, writeHandText(text, hand));
}

}  // namespace bidgauge
