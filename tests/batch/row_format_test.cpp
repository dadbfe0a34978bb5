#include "batch/row_format.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/hand_entry.hpp"
#include "support/hand_text.hpp"
#include "support/random_hands.hpp"

namespace bidgauge {
namespace {

std::string rowOf(BatchFormat format, const BatchRow& row, const HandValues& values) {
  RowWriter writer(format, "in.txt");
  std::string text(writer.maxRowBytes(), '\0');
  text.resize(static_cast<std::size_t>(writer.write(text.data(), row, values) - text.data()));
  return text;
}

TEST(HandText, IsNormalized) {
  EXPECT_EQ(handText(handFromText("tk9xAx -- xQJxx 2T")), "AKT9xx - QJxxx T2");
  EXPECT_EQ(handText(handFromText("- AKQJ5 KQJ32 AQ2")), "- AKQJ5 KQJ32 AQ2");
  EXPECT_EQ(handText(handFromText("23456789TJQKA - - -")), "AKQJT98765432 - - -");
  EXPECT_EQ(handText(handFromText("xxx xxx xxx xxxx")), "xxx xxx xxx xxxx");
}

TEST(HandText, ReadsBackAsTheSameHand) {
  RandomHands hands(11);
  for (int i = 0; i < 5000; ++i) {
    const Hand hand = hands.next();
    const HandEntry entry = enterHandText(handText(hand));
    ASSERT_TRUE(entry.complete) << handText(hand) << ": " << entry.error;
    ASSERT_EQ(entry.state.hand, hand) << handText(hand);
    ASSERT_EQ(entry.state.handText, handText(hand));
  }
}

struct FormattedRow {
  const char* name;
  BatchRow row;
  HandValues values;
  const char* tsv;
  const char* json;
};

const Hand kExample = handFromText("AKT9xx - QJxxx T2");

class RowFormat : public ::testing::TestWithParam<FormattedRow> {};

TEST_P(RowFormat, Tsv) {
  EXPECT_EQ(rowOf(BatchFormat::tsv, GetParam().row, GetParam().values), GetParam().tsv);
}

TEST_P(RowFormat, JsonLines) {
  EXPECT_EQ(rowOf(BatchFormat::jsonl, GetParam().row, GetParam().values), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowFormat,
    ::testing::Values(
        FormattedRow{"PlainHand",
                     {std::nullopt, 0, kExample, 3},
                     {{{1595, true}, {29, true}, {10, 1, false}, {5, true}}, 10},
                     "\t\tAKT9xx - QJxxx T2\t15.95\t1\t29\t1\t10\tgood\t0\t2.5\t1\t10\tin.txt:3\n",
                     R"({"board":null,"seat":null,"hand":"AKT9xx - QJxxx T2","knr":15.95,)"
                     R"("knr_opens":true,"zar":29,"zar_opens":true,"kleinman":10,)"
                     R"("kleinman_quality":"good","kleinman_opens":false,"honor_tricks":2.5,)"
                     R"("honor_tricks_opens":true,"hcp":10,"source":"in.txt:3"})"
                     "\n"},
        FormattedRow{"NegativeAndSmall",
                     {12, 'W', kExample, 1},
                     {{{-50, false}, {-3, false}, {-1, -1, false}, {1, false}}, 0},
                     "12\tW\tAKT9xx - QJxxx T2\t-0.50\t0\t-3\t0\t-1\tbad\t0\t0.5\t0\t0\tin.txt:1\n",
                     R"({"board":12,"seat":"W","hand":"AKT9xx - QJxxx T2","knr":-0.50,)"
                     R"("knr_opens":false,"zar":-3,"zar_opens":false,"kleinman":-1,)"
                     R"("kleinman_quality":"bad","kleinman_opens":false,"honor_tricks":0.5,)"
                     R"("honor_tricks_opens":false,"hcp":0,"source":"in.txt:1"})"
                     "\n"},
        FormattedRow{"WholeValues",
                     {999999999, 'N', kExample, 1234567},
                     {{{1200, true}, {0, false}, {11, 0, true}, {0, false}}, 37},
                     "999999999\tN\tAKT9xx - QJxxx "
                     "T2\t12.00\t1\t0\t0\t11\tordinary\t1\t0\t0\t37\tin.txt:1234567\n",
                     R"({"board":999999999,"seat":"N","hand":"AKT9xx - QJxxx T2","knr":12.00,)"
                     R"("knr_opens":true,"zar":0,"zar_opens":false,"kleinman":11,)"
                     R"("kleinman_quality":"ordinary","kleinman_opens":true,"honor_tricks":0,)"
                     R"("honor_tricks_opens":false,"hcp":37,"source":"in.txt:1234567"})"
                     "\n"},
        FormattedRow{
            "SmallKnr",
            {1, 'E', kExample, 10},
            {{{5, false}, {26, true}, {9, 0, false}, {6, true}}, 1},
            "1\tE\tAKT9xx - QJxxx T2\t0.05\t0\t26\t1\t9\tordinary\t0\t3\t1\t1\tin.txt:10\n",
            R"({"board":1,"seat":"E","hand":"AKT9xx - QJxxx T2","knr":0.05,)"
            R"("knr_opens":false,"zar":26,"zar_opens":true,"kleinman":9,)"
            R"("kleinman_quality":"ordinary","kleinman_opens":false,"honor_tricks":3,)"
            R"("honor_tricks_opens":true,"hcp":1,"source":"in.txt:10"})"
            "\n"},
        FormattedRow{
            "BeyondTheReadyTexts",
            {std::nullopt, 0, kExample, 2},
            {{{3105, true}, {101, true}, {61, 1, true}, {41, true}}, 41},
            "\t\tAKT9xx - QJxxx T2\t31.05\t1\t101\t1\t61\tgood\t1\t20.5\t1\t41\tin.txt:2\n",
            R"({"board":null,"seat":null,"hand":"AKT9xx - QJxxx T2","knr":31.05,)"
            R"("knr_opens":true,"zar":101,"zar_opens":true,"kleinman":61,)"
            R"("kleinman_quality":"good","kleinman_opens":true,"honor_tricks":20.5,)"
            R"("honor_tricks_opens":true,"hcp":41,"source":"in.txt:2"})"
            "\n"},
        FormattedRow{
            "FlagsAsGivenAndOddHundredths",
            {std::nullopt, 0, kExample, 2},
            {{{1207, false}, {30, false}, {12, 0, false}, {7, false}}, 12},
            "\t\tAKT9xx - QJxxx T2\t12.07\t0\t30\t0\t12\tordinary\t0\t3.5\t0\t12\tin.txt:2\n",
            R"({"board":null,"seat":null,"hand":"AKT9xx - QJxxx T2","knr":12.07,)"
            R"("knr_opens":false,"zar":30,"zar_opens":false,"kleinman":12,)"
            R"("kleinman_quality":"ordinary","kleinman_opens":false,"honor_tricks":3.5,)"
            R"("honor_tricks_opens":false,"hcp":12,"source":"in.txt:2"})"
            "\n"}),
    [](const ::testing::TestParamInfo<FormattedRow>& row) { return row.param.name; });

// Rows written together count their line numbers on from row to row; each
// must read as the row written alone by a new writer.
TEST(RowWriter, WritesHeldHandsAsEachRowAlone) {
  RandomHands random(29);
  std::vector<Hand> hands;
  std::vector<long> lines;
  std::vector<HandValues> values;
  // Across 9, 99 and 999; then a line given twice, a step back and a jump.
  for (long line = 1; line <= 1010; ++line) lines.push_back(line);
  for (const long line : {1010L, 7L, 8L, 100000L, 100001L}) lines.push_back(line);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    hands.push_back(random.next());
    values.push_back(evaluateFused(hands.back()));
  }
  for (const BatchFormat format : {BatchFormat::tsv, BatchFormat::csv, BatchFormat::jsonl}) {
    std::string expected;
    for (std::size_t i = 0; i < hands.size(); ++i) {
      expected += rowOf(format, {std::nullopt, 0, hands[i], lines[i]}, values[i]);
    }
    RowWriter writer(format, "in.txt");
    std::string text(hands.size() * writer.maxRowBytes(), '\0');
    const char* end = writer.writeHands(text.data(), hands, lines.data(), values.data());
    text.resize(static_cast<std::size_t>(end - text.data()));
    EXPECT_EQ(text, expected);
  }
}

TEST(TsvHeader, NamesTheColumnsInOrder) {
  EXPECT_EQ(kTsvHeader,
            "board\tseat\thand\tknr\tknr_opens\tzar\tzar_opens\tkleinman\tkleinman_quality\t"
            "kleinman_opens\thonor_tricks\thonor_tricks_opens\thcp\tsource\n");
}

}  // namespace
}  // namespace bidgauge
