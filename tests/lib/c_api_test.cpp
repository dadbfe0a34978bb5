#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "batch/row_format.hpp"
#include "bidgauge/bidgauge.h"
#include "lib/api_support.hpp"
#include "results/explanation.hpp"
#include "support/hand_text.hpp"
#include "support/random_hands.hpp"

namespace bidgauge {
namespace {

struct Reading {
  int status = -1;
  bidgauge_hand hand{};
  bidgauge_error error{};
};

Reading read(std::string_view text) {
  Reading reading;
  reading.error.code = -1;
  reading.status = bidgauge_read_hand(text.data(), text.size(), &reading.hand, &reading.error);
  return reading;
}

TEST(CApiRead, TakesEveryFormOfTheSameHand) {
  const std::string expected = "KQ7543 QT2 A J98";
  for (const char* text : {"KQ7543 QT2 A J98", "KQ7543.QT2.A.J98", "kq7543 q12 a j98",
                           "  KQ7543 QT2 A J98\t\r\n", "3457QK QT2 A 89J"}) {
    const Reading reading = read(text);
    ASSERT_EQ(reading.status, BIDGAUGE_OK) << text << ": " << reading.error.message;
    EXPECT_EQ(reading.error.code, BIDGAUGE_OK);
    EXPECT_STREQ(reading.error.message, "");
    EXPECT_EQ(apiHandText(reading.hand), expected) << text;
  }
  EXPECT_EQ(apiHandText(read("AKT9xx..QJxxx.T2").hand), "AKT9xx - QJxxx T2");
}

TEST(CApiRead, ReadsOnlyTheLengthGiven) {
  const std::string text = "KQ7543 QT2 A J98 and more";
  bidgauge_hand hand{};
  ASSERT_EQ(bidgauge_read_hand(text.data(), 16, &hand, nullptr), BIDGAUGE_OK);
  EXPECT_EQ(apiHandText(hand), "KQ7543 QT2 A J98");
}

TEST(CApiRead, ErrorsGiveMessageAndPosition) {
  struct Case {
    const char* text;
    const char* message;
    int position;
  };
  for (const Case& c : {
           Case{"KQ7543 QT2 A J9Z", "unexpected character 'Z' at position 16", 16},
           Case{"  KQ7543 QT2 A J9Z", "unexpected character 'Z' at position 18", 18},
           Case{"KQ7543 QT2 A J9", "The hand has only 12 cards", 0},
           Case{"KQ7543 QT2 A J98 x", "The hand already has 13 cards", 17},
           Case{"KQ7543 QT2 A JJ8", "Duplicate Jack of Clubs", 15},
           Case{"", "no hand given", 0},
           Case{"KQ7543 QT2 A J9\xC3\xA9", "unexpected character '\xC3\xA9' at position 16", 16},
       }) {
    const Reading reading = read(c.text);
    EXPECT_EQ(reading.status, BIDGAUGE_ERROR_HAND) << c.text;
    EXPECT_EQ(reading.error.code, BIDGAUGE_ERROR_HAND) << c.text;
    EXPECT_STREQ(reading.error.message, c.message) << c.text;
    EXPECT_EQ(reading.error.position, c.position) << c.text;
    EXPECT_EQ(apiHandText(reading.hand), "?") << "the hand is left alone: " << c.text;
  }
}

TEST(CApiRead, RefusesMissingPointers) {
  bidgauge_error error{};
  EXPECT_EQ(bidgauge_read_hand("A", 1, nullptr, &error), BIDGAUGE_ERROR_ARGUMENT);
  EXPECT_EQ(error.code, BIDGAUGE_ERROR_ARGUMENT);
  bidgauge_hand hand{};
  EXPECT_EQ(bidgauge_read_hand(nullptr, 3, &hand, nullptr), BIDGAUGE_ERROR_ARGUMENT);
  EXPECT_EQ(bidgauge_read_hand(nullptr, 0, &hand, &error), BIDGAUGE_ERROR_HAND);
  EXPECT_STREQ(error.message, "no hand given");
}

TEST(CApiEvaluate, KnownHands) {
  const bidgauge_valuation first = apiEvaluate("KQ7543 QT2 A J98");
  EXPECT_EQ(first.knr_hundredths, 1235);
  EXPECT_EQ(first.zar_points, 28);
  EXPECT_EQ(first.kleinman_points, 11);
  EXPECT_EQ(first.kleinman_quality, 0);
  EXPECT_EQ(first.honor_trick_halves, 5);
  EXPECT_EQ(first.high_card_points, 12);
  EXPECT_TRUE(first.knr_opens && first.zar_opens && first.kleinman_opens &&
              first.honor_tricks_opens);

  const bidgauge_valuation second = apiEvaluate("764 AQJ74 42 A83");
  EXPECT_EQ(second.knr_hundredths, 1220);
  EXPECT_EQ(second.kleinman_quality, 1);
  EXPECT_EQ(second.high_card_points, 11);

  const bidgauge_valuation weak = apiEvaluate("T98 765 432 8765");
  EXPECT_EQ(weak.high_card_points, 0);
  EXPECT_FALSE(weak.knr_opens || weak.zar_opens || weak.kleinman_opens || weak.honor_tricks_opens);
}

// Whatever the hand, the library gives the engine's values and the batch
// mode's hand text, and counts high cards 4-3-2-1.
TEST(CApiEvaluate, AgreesWithTheEngineOnRandomHands) {
  RandomHands hands(12);
  for (int i = 0; i < 5000; ++i) {
    const Hand hand = hands.next();
    const std::string text = handText(hand);
    const Reading reading = read(text);
    ASSERT_EQ(reading.status, BIDGAUGE_OK) << text << ": " << reading.error.message;
    EXPECT_EQ(apiHandText(reading.hand), text);
    bidgauge_valuation valuation{};
    ASSERT_EQ(bidgauge_evaluate(&reading.hand, &valuation), BIDGAUGE_OK);
    const Evaluation engine = evaluateAll(hand);
    EXPECT_EQ(valuation.knr_hundredths, engine.knr.hundredths) << text;
    EXPECT_EQ(valuation.zar_points, engine.zar.points) << text;
    EXPECT_EQ(valuation.kleinman_points, engine.kleinman.points) << text;
    EXPECT_EQ(valuation.kleinman_quality, engine.kleinman.quality) << text;
    EXPECT_EQ(valuation.honor_trick_halves, engine.culbertson.halfTricks) << text;
    EXPECT_EQ(valuation.knr_opens != 0, engine.knr.opens) << text;
    EXPECT_EQ(valuation.zar_opens != 0, engine.zar.opens) << text;
    EXPECT_EQ(valuation.kleinman_opens != 0, engine.kleinman.opens) << text;
    EXPECT_EQ(valuation.honor_tricks_opens != 0, engine.culbertson.opens) << text;
    int letters = 0;
    for (const char ch : text) letters += ch == 'A' ? 4 : ch == 'K' ? 3 : ch == 'Q' ? 2 : ch == 'J';
    EXPECT_EQ(valuation.high_card_points, letters) << text;
  }
}

TEST(CApiEvaluate, RefusesHandsWithoutThirteenCards) {
  bidgauge_hand hand = apiRead("KQ7543 QT2 A J98");
  bidgauge_valuation valuation{};
  EXPECT_EQ(bidgauge_hand_is_valid(&hand), 1);
  bidgauge_hand twelve = hand;
  twelve.cards[BIDGAUGE_CLUBS] &= static_cast<uint16_t>(~(1U << 7));  // the Eight gone
  bidgauge_hand stray = hand;
  stray.cards[BIDGAUGE_SPADES] |= 1U;  // bit 0 is no rank
  bidgauge_hand fourteen = hand;
  ++fourteen.spots[BIDGAUGE_HEARTS];
  for (const bidgauge_hand* bad : {&twelve, &stray, &fourteen}) {
    EXPECT_EQ(bidgauge_hand_is_valid(bad), 0);
    EXPECT_EQ(bidgauge_evaluate(bad, &valuation), BIDGAUGE_ERROR_ARGUMENT);
    char text[BIDGAUGE_HAND_TEXT_SIZE];
    EXPECT_EQ(bidgauge_hand_text(bad, text), BIDGAUGE_ERROR_ARGUMENT);
    EXPECT_EQ(bidgauge_explain(bad, nullptr, 0, nullptr), BIDGAUGE_ERROR_ARGUMENT);
  }
  EXPECT_EQ(bidgauge_hand_is_valid(nullptr), 0);
  EXPECT_EQ(bidgauge_evaluate(nullptr, &valuation), BIDGAUGE_ERROR_ARGUMENT);
  EXPECT_EQ(bidgauge_evaluate(&hand, nullptr), BIDGAUGE_ERROR_ARGUMENT);
}

TEST(CApiFormat, ValuesAsThePanelShowsThemInUtf8) {
  bidgauge_texts texts{};
  const bidgauge_valuation first = apiEvaluate("KQ7543 QT2 A J98");
  ASSERT_EQ(bidgauge_format(&first, &texts), BIDGAUGE_OK);
  EXPECT_STREQ(texts.knr, "12.35");
  EXPECT_STREQ(texts.zar, " 28");
  EXPECT_STREQ(texts.kleinman, " 11");
  EXPECT_STREQ(texts.honor_tricks, " 2\xC2\xBD");

  bidgauge_valuation other{};
  other.knr_hundredths = -50;
  other.zar_points = 8;
  other.kleinman_points = 9;
  other.kleinman_quality = -1;
  other.honor_trick_halves = 1;
  ASSERT_EQ(bidgauge_format(&other, &texts), BIDGAUGE_OK);
  EXPECT_STREQ(texts.knr, "-0.50");
  EXPECT_STREQ(texts.zar, " 8");
  EXPECT_STREQ(texts.kleinman, " 9-");
  EXPECT_STREQ(texts.honor_tricks, " \xC2\xBD");
  EXPECT_EQ(bidgauge_format(nullptr, &texts), BIDGAUGE_ERROR_ARGUMENT);
}

TEST(CApiExplain, IsTheExplanationOfTheProgram) {
  const bidgauge_hand hand = apiRead("764 AQJ74 42 A83");
  const Hand engine = handFromText("764 AQJ74 42 A83");
  // The program prints it a blank line below the panel.
  const std::string printed = explanationText(engine, computeResults(engine));
  ASSERT_TRUE(printed.starts_with('\n'));
  const std::string expected = printed.substr(1);

  size_t length = 0;
  EXPECT_EQ(bidgauge_explain(&hand, nullptr, 0, &length), BIDGAUGE_ERROR_BUFFER);
  ASSERT_EQ(length, expected.size());
  std::vector<char> buffer(length + 1, 'x');
  ASSERT_EQ(bidgauge_explain(&hand, buffer.data(), buffer.size(), &length), BIDGAUGE_OK);
  EXPECT_EQ(std::string(buffer.data()), expected);

  // Too small: as much as fits, with the NUL.
  char small[8];
  EXPECT_EQ(bidgauge_explain(&hand, small, sizeof small, &length), BIDGAUGE_ERROR_BUFFER);
  EXPECT_EQ(std::strlen(small), 7U);
  EXPECT_EQ(std::string(small), expected.substr(0, 7));
}

TEST(CApi, VersionIsTheHeadersVersion) {
  EXPECT_STREQ(bidgauge_version(), BIDGAUGE_VERSION);
}

// Many threads on the same hands at once agree with one thread alone.
TEST(CApi, ThreadsShareNothing) {
  const std::vector<std::string> texts = {"KQ7543 QT2 A J98", "764 AQJ74 42 A83",
                                          "AKQJ AKQ AKQ AKQ", "T98 765 432 8765"};
  std::vector<int> sums(4, 0);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < sums.size(); ++t) {
    threads.emplace_back([&texts, &sum = sums[t]] {
      for (int round = 0; round < 2000; ++round) {
        for (const std::string& text : texts) sum += apiEvaluate(text).knr_hundredths;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  int once = 0;
  for (const std::string& text : texts) once += apiEvaluate(text).knr_hundredths;
  for (const int sum : sums) EXPECT_EQ(sum, 2000 * once);
}

}  // namespace
}  // namespace bidgauge
