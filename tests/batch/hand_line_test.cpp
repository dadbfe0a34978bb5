#include "batch/hand_line.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>

#include "batch/row_format.hpp"
#include "support/hand_text.hpp"
#include "support/random_hands.hpp"
#include "support/test_names.hpp"

namespace bidgauge {
namespace {

// The parser's verdict on a line: the hand or the message.
struct Verdict {
  bool ok = false;
  Hand hand;
  std::string error;
};

Verdict read(std::string_view text, int firstPosition = 1) {
  Verdict verdict;
  verdict.ok = readHand(text, formatOf(text), firstPosition, verdict.hand, verdict.error);
  return verdict;
}

Verdict parserVerdict(std::string_view text, HandFormat format) {
  const HandEntry entry = enterLine(text, format, 1);
  return {entry.complete, entry.state.hand, entry.error};
}

TEST(HandLineFormat, IsDottedWhenTheLineHoldsADot) {
  EXPECT_EQ(formatOf("KQ7543 QT2 A J98"), HandFormat::typed);
  EXPECT_EQ(formatOf("KQ7543.QT2.A.J98"), HandFormat::dotted);
  EXPECT_EQ(formatOf("KQ7543.QT2"), HandFormat::dotted);
}

TEST(HandLine, ReadsTypedAndDottedHandsAlike) {
  const Hand expected = handFromText("KQ7543 QT2 A J98");
  for (const char* text : {"KQ7543 QT2 A J98", "KQ7543.QT2.A.J98", "kq7543.q12.a.j98",
                           "3457QK QT2 A 89J", "KQ7543  QT2 A J98"}) {
    const Verdict verdict = read(text);
    ASSERT_TRUE(verdict.ok) << text << ": " << verdict.error;
    EXPECT_EQ(verdict.hand, expected) << text;
  }
}

TEST(HandLine, DottedVoidIsAnEmptyGroupOrAHyphen) {
  const Hand expected = handFromText("AKT9xx - QJxxx T2");
  for (const char* text : {"AKT9xx..QJxxx.T2", "AKT9xx.-.QJxxx.T2", "AKT9xx - QJxxx T2"}) {
    const Verdict verdict = read(text);
    ASSERT_TRUE(verdict.ok) << text << ": " << verdict.error;
    EXPECT_EQ(verdict.hand, expected) << text;
  }
  const Verdict spadeVoid = read(".AKQJ5.KQJ32.AQ2");
  ASSERT_TRUE(spadeVoid.ok) << spadeVoid.error;
  EXPECT_EQ(spadeVoid.hand, handFromText("- AKQJ5 KQJ32 AQ2"));
  const Verdict clubVoid = read("AKQJ5.KQJ32.AQ2.");
  ASSERT_TRUE(clubVoid.ok) << clubVoid.error;
  EXPECT_EQ(clubVoid.hand, handFromText("AKQJ5 KQJ32 AQ2 -"));
}

struct BadLine {
  const char* text;
  int firstPosition;
  const char* error;
};

class HandLineError : public ::testing::TestWithParam<BadLine> {};

TEST_P(HandLineError, IsTheParsersMessage) {
  const Verdict verdict = read(GetParam().text, GetParam().firstPosition);
  EXPECT_FALSE(verdict.ok);
  EXPECT_EQ(verdict.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HandLineError,
    ::testing::Values(BadLine{"KQ7543.QT2.A", 1, "The hand has only 10 cards"},
                      BadLine{"KQ7543.QT2.AJ98", 1, "The hand has only 3 suits"},
                      BadLine{"KQ7543.QT2.A.J98.", 1, "The hand already has 13 cards"},
                      BadLine{"KQ754.QT2.A.J9.8", 1, "The hand already has 4 suits"},
                      BadLine{"KQ7543.QT2.A.J98x", 1, "The hand already has 13 cards"},
                      BadLine{"KQ7543.QT2.A.JJ8", 1, "Duplicate Jack of Clubs"},
                      BadLine{"KQ7543.QT2.A J98", 1, "unexpected blank at position 13"},
                      BadLine{"KQ7543.QT2.A.J9?", 5, "unexpected character '?' at position 20"},
                      BadLine{"KQ7543.Q-2.A.J98", 1, "unexpected character '-' at position 9"},
                      BadLine{"KQ7543 QT2 A J98 x", 1, "The hand already has 13 cards"},
                      BadLine{"KQ7543 QT2 A J9Z", 3, "unexpected character 'Z' at position 18"},
                      BadLine{"", 1, "no hand given"}),
    [](const ::testing::TestParamInfo<BadLine>& param) { return nameFromText(param.param.text); });

// Lines to compare the quick path with the parser: random strings of the
// characters that matter, and valid hands with a few random edits.
class LineMaker {
 public:
  explicit LineMaker(std::uint32_t seed) : hands_(seed), engine_(seed) {}

  std::string next(HandFormat format) {
    const std::string alphabet =
        format == HandFormat::typed ? "AKQJT98765432xX10akqjt -- " : "AKQJT98765432xX10akqjt.-..";
    if (pick(2) == 0) {
      std::string line;
      for (std::size_t i = pick(25); i > 0; --i) line += alphabet[pick(alphabet.size())];
      return line;
    }
    std::string line = handText(hands_.next());
    if (format == HandFormat::dotted) {
      std::replace(line.begin(), line.end(), ' ', '.');
      if (pick(2) == 0) std::erase(line, '-');
    }
    for (std::size_t edits = pick(3); edits > 0; --edits) {
      const std::size_t at = pick(line.size() + 1);
      const char ch = alphabet[pick(alphabet.size())];
      switch (pick(3)) {
        case 0:
          line.insert(at, 1, ch);
          break;
        case 1:
          if (at < line.size()) line.erase(at, 1);
          break;
        default:
          if (at < line.size()) line[at] = ch;
          break;
      }
    }
    return line;
  }

 private:
  std::size_t pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(engine_);
  }

  RandomHands hands_;
  std::mt19937 engine_;
};

TEST(QuickHand, AgreesWithTheParserOnRandomLines) {
  LineMaker lines(20240611);
  int taken = 0;
  for (int i = 0; i < 200000; ++i) {
    const std::string line = lines.next(i % 2 == 0 ? HandFormat::typed : HandFormat::dotted);
    const std::optional<Hand> quick = quickHand(line);
    if (!quick) continue;
    ++taken;
    const Verdict parsed = parserVerdict(line, formatOf(line));
    ASSERT_TRUE(parsed.ok) << '"' << line << "\": " << parsed.error;
    ASSERT_EQ(*quick, parsed.hand) << '"' << line << '"';
  }
  EXPECT_GT(taken, 20000);  // the lines must hold many valid hands too
}

TEST(QuickHand, TakesEveryNormalizedHandAndItsDottedForm) {
  RandomHands hands(7);
  for (int i = 0; i < 20000; ++i) {
    const Hand hand = hands.next();
    std::string text = handText(hand);
    ASSERT_EQ(quickHand(text), hand) << text;
    std::string dotted = text;
    for (char& ch : dotted) ch = ch == ' ' ? '.' : ch;
    std::erase(dotted, '-');
    ASSERT_EQ(quickHand(dotted), hand) << dotted;
    const Verdict parsed = parserVerdict(dotted, HandFormat::dotted);
    ASSERT_TRUE(parsed.ok) << dotted << ": " << parsed.error;
    ASSERT_EQ(parsed.hand, hand) << dotted;
  }
}

TEST(ReadHand, KeepsToTheFormGiven) {
  Hand hand;
  std::string error;
  EXPECT_TRUE(readHand("KQ7543.QT2.A.J98", HandFormat::dotted, 1, hand, error));
  EXPECT_FALSE(readHand("KQ7543 QT2 A J98", HandFormat::dotted, 1, hand, error));
  EXPECT_EQ(error, "unexpected blank at position 7");
  EXPECT_FALSE(readHand("KQ7543.QT2.A.J98", HandFormat::typed, 1, hand, error));
  EXPECT_EQ(error, "unexpected character '.' at position 7");
}

TEST(QuickHand, LeavesDoubledSeparatorsToTheParser) {
  EXPECT_FALSE(quickHand("AKT9xx --  QJxxx T2"));
  EXPECT_TRUE(read("AKT9xx --  QJxxx T2").ok);
}

}  // namespace
}  // namespace bidgauge
