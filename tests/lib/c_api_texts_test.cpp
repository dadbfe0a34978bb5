// The texts the library writes, at their edges: values at and past the
// ends of what hands give, and buffers that end anywhere in a text.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "batch/row_format.hpp"
#include "bidgauge/bidgauge.h"
#include "lib/api_support.hpp"
#include "lib/hand_bridge.hpp"
#include "support/random_hands.hpp"

namespace bidgauge {
namespace {

// Whole UTF-8 characters only: no lead byte without all its continuation bytes.
bool isWholeUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if ((lead & 0xC0) == 0x80 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

// The texts with guard bytes behind them, which no call may touch.
struct GuardedTexts {
  bidgauge_texts texts;
  char guard[8];
};
constexpr char kGuard = '#';

struct FieldCase {
  const char* field;
  std::function<void(bidgauge_valuation&, int)> set;
  ValueRange range;
  const char* leastText;
  const char* mostText;
  std::function<const char*(const bidgauge_texts&)> text;
};

std::vector<FieldCase> fieldCases() {
  return {
      {"knr_hundredths", [](bidgauge_valuation& v, int x) { v.knr_hundredths = x; },
       kKnrHundredthsRange, "-0.50", "35.60", [](const bidgauge_texts& t) { return t.knr; }},
      {"zar_points", [](bidgauge_valuation& v, int x) { v.zar_points = x; }, kZarPointsRange, " 8",
       " 55", [](const bidgauge_texts& t) { return t.zar; }},
      {"kleinman_points", [](bidgauge_valuation& v, int x) { v.kleinman_points = x; },
       kKleinmanPointsRange, " 0", " 37", [](const bidgauge_texts& t) { return t.kleinman; }},
      {"kleinman_quality", [](bidgauge_valuation& v, int x) { v.kleinman_quality = x; },
       kKleinmanQualityRange, " 11-", " 11+", [](const bidgauge_texts& t) { return t.kleinman; }},
      {"honor_trick_halves", [](bidgauge_valuation& v, int x) { v.honor_trick_halves = x; },
       kHonorTrickHalvesRange, " 0", " 9", [](const bidgauge_texts& t) { return t.honor_tricks; }},
  };
}

// INT32_MIN once negated into undefined behaviour, -1 honor trick halves
// lost its sign, a quality of 7 printed '+'.
TEST(CApiFormat, WritesValuesHandsGiveAndRefusesTheRest) {
  const bidgauge_valuation ordinary = apiEvaluate("KQ7543 QT2 A J98");
  for (const FieldCase& c : fieldCases()) {
    const int least = c.range.least;
    const int most = c.range.most;
    for (const int value : {least, most, least - 1, most + 1, INT32_MIN, INT32_MAX}) {
      bidgauge_valuation valuation = ordinary;
      c.set(valuation, value);
      GuardedTexts out{};
      std::memset(&out, kGuard, sizeof out);
      const int status = bidgauge_format(&valuation, &out.texts);
      const std::string where = std::string(c.field) + " = " + std::to_string(value);
      EXPECT_EQ(std::string(out.guard, sizeof out.guard), std::string(sizeof out.guard, kGuard));
      if (c.range.holds(value)) {
        ASSERT_EQ(status, BIDGAUGE_OK) << where;
        EXPECT_STREQ(c.text(out.texts), value == least ? c.leastText : c.mostText) << where;
        for (const char* text :
             {out.texts.knr, out.texts.zar, out.texts.kleinman, out.texts.honor_tricks}) {
          EXPECT_TRUE(isWholeUtf8(text)) << where;
        }
      } else {
        EXPECT_EQ(status, BIDGAUGE_ERROR_ARGUMENT) << where;
        EXPECT_STREQ(c.text(out.texts), "") << where;
      }
    }
  }
}

// The ranges are those of real hands: each end is some hand's value, and
// every hand's values are written.
TEST(CApiFormat, RangesEndAtTheValuesOfHands) {
  struct End {
    const char* hand;
    int bidgauge_valuation::*field;
    int value;
  };
  for (const End& end : {
           End{"xxx xxx xxx xxxx", &bidgauge_valuation::knr_hundredths, kKnrHundredthsRange.least},
           End{"AKQ AKQ AKQ AKQJ", &bidgauge_valuation::knr_hundredths, kKnrHundredthsRange.most},
           End{"xxx xxx xxx xxxx", &bidgauge_valuation::zar_points, kZarPointsRange.least},
           End{"AK AK AKQ AKQJxx", &bidgauge_valuation::zar_points, kZarPointsRange.most},
           End{"- - - xxxxxxxxxxxxx", &bidgauge_valuation::kleinman_points,
               kKleinmanPointsRange.least},
           End{"AK AKQ AKQ AKQJT", &bidgauge_valuation::kleinman_points, kKleinmanPointsRange.most},
           End{"- - - xxxxxxxxxxxxx", &bidgauge_valuation::kleinman_quality,
               kKleinmanQualityRange.least},
           End{"- - - AKxxxxxxxxxxx", &bidgauge_valuation::kleinman_quality,
               kKleinmanQualityRange.most},
           End{"- - - xxxxxxxxxxxxx", &bidgauge_valuation::honor_trick_halves,
               kHonorTrickHalvesRange.least},
           End{"AKQ AKQ AKQ AKQx", &bidgauge_valuation::honor_trick_halves,
               kHonorTrickHalvesRange.most},
       }) {
    const bidgauge_valuation valuation = apiEvaluate(end.hand);
    EXPECT_EQ(valuation.*end.field, end.value) << end.hand;
    bidgauge_texts texts{};
    EXPECT_EQ(bidgauge_format(&valuation, &texts), BIDGAUGE_OK) << end.hand;
  }
  RandomHands hands(20);
  for (int i = 0; i < 2000; ++i) {
    const std::string text = handText(hands.next());
    const bidgauge_valuation valuation = apiEvaluate(text);
    bidgauge_texts texts{};
    EXPECT_EQ(bidgauge_format(&valuation, &texts), BIDGAUGE_OK) << text;
  }
}

std::string fullExplanation(const bidgauge_hand& hand) {
  std::size_t length = 0;
  bidgauge_explain(&hand, nullptr, 0, &length);
  std::string text(length + 1, '\0');
  bidgauge_explain(&hand, text.data(), text.size(), &length);
  text.resize(length);
  return text;
}

TEST(CApiExplain, StartsAtTheFirstHeading) {
  const std::string text = fullExplanation(apiRead("KQ7543 QT2 A J98"));
  EXPECT_TRUE(text.starts_with("KnR Points: 12.35 *\n")) << text;
  EXPECT_TRUE(text.ends_with("\n* opening count\n")) << text;
}

// A buffer of any size, exactly the text's length among them, gets a whole
// prefix of the text: never a part of a '½' or a suit symbol, never a byte
// past its end.
TEST(CApiExplain, FillsBuffersOfEverySizeWithWholeCharacters) {
  const bidgauge_hand hand = apiRead("KQ7543 QT2 A J98");
  const std::string whole = fullExplanation(hand);
  ASSERT_NE(whole.find("\xC2\xBD"), std::string::npos);
  for (std::size_t size = 0; size <= whole.size() + 1; ++size) {
    std::vector<char> buffer(size + 1, kGuard);
    std::size_t length = 0;
    const int status = bidgauge_explain(&hand, size == 0 ? nullptr : buffer.data(), size, &length);
    EXPECT_EQ(length, whole.size());
    EXPECT_EQ(status, size > whole.size() ? BIDGAUGE_OK : BIDGAUGE_ERROR_BUFFER) << size;
    EXPECT_EQ(buffer[size], kGuard) << "written past a buffer of " << size;
    if (size == 0) continue;
    const std::string written(buffer.data());
    ASSERT_LT(written.size(), size);
    EXPECT_TRUE(whole.starts_with(written)) << size;
    EXPECT_TRUE(isWholeUtf8(written)) << size;
    EXPECT_LE(size - 1 - written.size(), 3U) << "drops only a part of one character: " << size;
  }
}

}  // namespace
}  // namespace bidgauge
