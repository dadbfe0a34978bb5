// The C++ header on its own, as a program using the library sees it.
#include "bidgauge/bidgauge.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CppApi, EvaluatesATextToValues) {
  const bidgauge::Result<bidgauge::Valuation> valuation = bidgauge::evaluate("KQ7543 QT2 A J98");
  ASSERT_TRUE(valuation);
  EXPECT_DOUBLE_EQ(valuation->knr(), 12.35);
  EXPECT_EQ(valuation->zarPoints, 28);
  EXPECT_EQ(valuation->kleinmanPoints, 11);
  EXPECT_EQ(valuation->kleinmanQuality, bidgauge::Quality::ordinary);
  EXPECT_DOUBLE_EQ(valuation->honorTricks(), 2.5);
  EXPECT_EQ(valuation->highCardPoints, 12);
  EXPECT_TRUE(valuation->knrOpens && valuation->zarOpens && valuation->kleinmanOpens &&
              valuation->honorTricksOpens);
  EXPECT_EQ(bidgauge::evaluate("764 AQJ74 42 A83").value().kleinmanQuality,
            bidgauge::Quality::good);
}

TEST(CppApi, ErrorsComeBackInTheResult) {
  const bidgauge::Result<bidgauge::Valuation> valuation = bidgauge::evaluate("KQ7543 QT2 A J9Z");
  ASSERT_FALSE(valuation);
  EXPECT_EQ(valuation.error().code, BIDGAUGE_ERROR_HAND);
  EXPECT_EQ(valuation.error().position, 16);
  EXPECT_EQ(valuation.error().message, "unexpected character 'Z' at position 16");
  EXPECT_THROW(static_cast<void>(valuation.value()), bidgauge::BadResultAccess);
  EXPECT_EQ(valuation.value_or(bidgauge::Valuation{}), bidgauge::Valuation{});

  bidgauge_hand twelve{};
  twelve.spots[0] = 12;
  EXPECT_EQ(bidgauge::Hand::fromRaw(twelve).error().code, BIDGAUGE_ERROR_ARGUMENT);
}

TEST(CppApi, HandsTextsAndExplanations) {
  const bidgauge::Hand hand = bidgauge::Hand::read("kq7543.q02.a.j98").value();
  EXPECT_EQ(hand.text(), "KQ7543 QT2 A J98");
  EXPECT_EQ(bidgauge::Hand::fromRaw(hand.raw()).value(), hand);

  const bidgauge::Texts texts = bidgauge::format(bidgauge::evaluate(hand));
  EXPECT_EQ(texts.knr, "12.35");
  EXPECT_EQ(texts.zar, " 28");
  EXPECT_EQ(texts.kleinman, " 11");
  EXPECT_EQ(texts.honorTricks, " 2\xC2\xBD");

  const std::string explanation = bidgauge::explain(hand);
  EXPECT_NE(explanation.find("KnR Points: 12.35"), std::string::npos) << explanation;
  EXPECT_NE(explanation.find("total 28"), std::string::npos) << explanation;

  const std::vector<bidgauge::Valuation> both =
      bidgauge::evaluate({hand, bidgauge::Hand::read("764 AQJ74 42 A83").value()});
  ASSERT_EQ(both.size(), 2U);
  EXPECT_EQ(both[1].knrHundredths, 1220);
}

}  // namespace
