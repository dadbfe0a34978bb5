#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bidgauge/bidgauge.h"
#include "lib/api_support.hpp"

namespace bidgauge {
namespace {

std::vector<bidgauge_text_result> evaluateTexts(std::string_view texts, char separator,
                                                std::size_t capacity = 8) {
  std::vector<bidgauge_text_result> results(capacity);
  const std::size_t count =
      bidgauge_evaluate_texts(texts.data(), texts.size(), separator, results.data(), capacity);
  results.resize(count);
  return results;
}

TEST(CApiTexts, OneResultPerTextWhateverTheSeparator) {
  const std::string lines = "KQ7543 QT2 A J98\n764 AQJ74 42 A83\r\nKQ7543 QT2 A J9Z\n\n";
  const std::vector<bidgauge_text_result> results = evaluateTexts(lines, '\n');
  ASSERT_EQ(results.size(), 4U) << "a separator at the end starts no text";
  EXPECT_EQ(results[0].code, BIDGAUGE_OK);
  EXPECT_EQ(results[0].valuation.knr_hundredths, 1235);
  EXPECT_EQ(apiHandText(results[0].hand), "KQ7543 QT2 A J98");
  EXPECT_EQ(results[1].code, BIDGAUGE_OK);
  EXPECT_EQ(results[1].valuation.knr_hundredths, 1220);
  EXPECT_EQ(results[2].code, BIDGAUGE_ERROR_HAND);
  EXPECT_EQ(results[2].position, 16);
  EXPECT_EQ(results[2].valuation.knr_hundredths, 0);
  EXPECT_EQ(results[3].code, BIDGAUGE_ERROR_HAND) << "an empty text is no hand";

  const std::string strings("764 AQJ74 42 A83\0KQ7543.QT2.A.J98", 33);
  const std::vector<bidgauge_text_result> fromStrings = evaluateTexts(strings, '\0');
  ASSERT_EQ(fromStrings.size(), 2U);
  EXPECT_EQ(fromStrings[0].valuation.knr_hundredths, 1220);
  EXPECT_EQ(fromStrings[1].valuation.knr_hundredths, 1235);
}

TEST(CApiTexts, CountsBeyondTheCapacityWithoutWriting) {
  std::vector<bidgauge_text_result> results(2);
  results[1].code = 99;
  const std::string lines = "KQ7543 QT2 A J98\nbad\n764 AQJ74 42 A83";
  EXPECT_EQ(bidgauge_evaluate_texts(lines.data(), lines.size(), '\n', results.data(), 1), 3U);
  EXPECT_EQ(results[0].valuation.knr_hundredths, 1235);
  EXPECT_EQ(results[1].code, 99);
  EXPECT_EQ(bidgauge_evaluate_texts(lines.data(), lines.size(), '\n', nullptr, 5), 3U);
  EXPECT_EQ(bidgauge_evaluate_texts(nullptr, 10, '\n', results.data(), 2), 0U);
}

TEST(CApiTexts, HandTextsJoinedWithAnEmptyOneForAnError) {
  const std::vector<bidgauge_text_result> results =
      evaluateTexts("kq7543.qt2.a.j98\nnonsense\nAKT9xx - QJxxx T2", '\n');
  ASSERT_EQ(results.size(), 3U);
  std::string joined(3 * BIDGAUGE_HAND_TEXT_SIZE, '#');
  const std::size_t written =
      bidgauge_join_hand_texts(results.data(), 3, '|', joined.data(), joined.size());
  EXPECT_EQ(joined.substr(0, written), "KQ7543 QT2 A J98||AKT9xx - QJxxx T2|");
  EXPECT_EQ(bidgauge_join_hand_texts(results.data(), 3, '|', joined.data(), joined.size() - 1), 0U)
      << "room is asked for the longest texts";
}

TEST(CApiHands, ValuesAnArrayAndStopsAtAnInvalidHand) {
  std::vector<bidgauge_hand> hands = {apiRead("KQ7543 QT2 A J98"), apiRead("764 AQJ74 42 A83"),
                                      bidgauge_hand{}, apiRead("KQ7543 QT2 A J98")};
  std::vector<bidgauge_valuation> valuations(hands.size());
  valuations[2].zar_points = 99;
  EXPECT_EQ(bidgauge_evaluate_hands(hands.data(), hands.size(), valuations.data()), 2U);
  EXPECT_EQ(valuations[0].knr_hundredths, 1235);
  EXPECT_EQ(valuations[1].knr_hundredths, 1220);
  EXPECT_EQ(valuations[2].zar_points, 99);
  hands.erase(hands.begin() + 2);
  EXPECT_EQ(bidgauge_evaluate_hands(hands.data(), hands.size(), valuations.data()), 3U);
  EXPECT_EQ(valuations[2].knr_hundredths, 1235);
  EXPECT_EQ(bidgauge_evaluate_hands(nullptr, 3, valuations.data()), 0U);
}

}  // namespace
}  // namespace bidgauge
