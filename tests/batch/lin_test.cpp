#include "batch/lin.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/row_format.hpp"

namespace bidgauge {
namespace {

// Two deals: each seat holds a suit's four honours, from South, then from West.
const std::string kDeal1 =
    "3SAKQJHT98D765C432,ST98H765D432CAKQJ,S765H432DAKQJCT98,S432HAKQJDT98C765";
const std::string kDeal2 = "1ST98H765D432CAKQJ,S765H432DAKQJCT98,S432HAKQJDT98C765,";

// "board:first seat's hand" of each deal, or its errors.
std::string shown(const std::vector<LinDeal>& deals) {
  std::string text;
  for (const LinDeal& deal : deals) {
    if (!text.empty()) text += "; ";
    text += (deal.board ? std::to_string(*deal.board) : "-") + ":";
    for (const std::string& error : deal.deal.errors) text += error;
    if (deal.deal.count != 0) {
      text += std::to_string(deal.deal.count) + deal.deal.seats[0].seat + " " +
              handText(deal.deal.seats[0].hand);
    }
  }
  return text;
}

// The line given to the scanner in parts, cut where `cuts` say.
std::vector<LinDeal> scanInParts(std::string_view line, const std::vector<std::size_t>& cuts) {
  LinScanner scanner;
  std::vector<LinDeal> deals;
  const auto take = [&deals](std::vector<LinDeal> more) {
    for (LinDeal& deal : more) deals.push_back(std::move(deal));
  };
  scanner.startLine(1, 1);
  std::size_t from = 0;
  for (const std::size_t cut : cuts) {
    take(scanner.scan(line.substr(from, cut - from)));
    from = cut;
  }
  take(scanner.scan(line.substr(from)));
  take(scanner.endLine());
  return deals;
}

std::string scanned(std::string_view line) {
  return shown(scanInParts(line, {}));
}

constexpr std::string_view kSouth1 = "4S AKQJ T98 765 432";
constexpr std::string_view kSouth2 = "4S T98 765 432 AKQJ";

struct BoardCase {
  std::string line;
  std::string deals;
};

std::vector<BoardCase> boardCases() {
  const std::string one = "4S AKQJ T98 765 432";
  const std::string two = "4S T98 765 432 AKQJ";
  return {
      {"md|" + kDeal1 + "|", "-:" + one},
      {"md|" + kDeal1, "-:" + one},  // the bar after the last field left out
      {"md|" + kDeal1 + " \t", "-:" + one},
      {"md|" + kDeal1 + "|ah|Board 7|", "7:" + one},
      {"ah|Board 7|md|" + kDeal1 + "|", "7:" + one},
      {"qx|o7|md|" + kDeal1 + "|", "7:" + one},
      {"qx|c12,BOARD 12|st||md|" + kDeal1 + "|", "12:" + one},
      {"qx|x7|md|" + kDeal1 + "|ah|Open|", "-:" + one},
      {"md|" + kDeal1 + "|md|" + kDeal2 + "|", "-:" + one + "; -:" + two},
      {"md|" + kDeal1 + "|ah|Board 1|md|" + kDeal2 + "|ah|Board 2|", "1:" + one + "; 2:" + two},
      {"ah|Board 1|md|" + kDeal1 + "|ah|Board 2|md|" + kDeal2 + "|", "1:" + one + "; 2:" + two},
      {"qx|o1|md|" + kDeal1 + "|pg||qx|c1|md|" + kDeal1 + "|pg||qx|o2|md|" + kDeal2 + "|",
       "1:" + one + "; 1:" + one + "; 2:" + two},
      // A qx| starts the next deal: the ah| after it is not the first deal's.
      {"md|" + kDeal1 + "|qx|o2|ah|Board 2|md|" + kDeal2 + "|", "-:" + one + "; 2:" + two},
      // Files glued together, the first without its last bar.
      {"pn|a,b,c,d|md|" + kDeal1 + "|mc|9pn|a,b,c,d|st||md|" + kDeal2 + "|ah|Board 2|",
       "-:" + one + "; 2:" + two},
      // md| as a value, and as part of a name, is no deal.
      {"nt|md|pn|xmd|md|" + kDeal2 + "|", "-:" + two},
  };
}

TEST(LinScanner, GivesEveryDealWithItsBoard) {
  for (const BoardCase& test : boardCases()) EXPECT_EQ(scanned(test.line), test.deals) << test.line;
}

// However the line is cut into parts, the same deals come out.
TEST(LinScanner, ALineReadInPartsGivesTheSameDeals) {
  for (const BoardCase& test : boardCases()) {
    for (std::size_t cut = 0; cut <= test.line.size(); ++cut) {
      EXPECT_EQ(shown(scanInParts(test.line, {cut})), test.deals) << test.line << " cut at " << cut;
    }
    std::vector<std::size_t> everyByte;
    for (std::size_t cut = 1; cut < test.line.size(); ++cut) everyByte.push_back(cut);
    EXPECT_EQ(shown(scanInParts(test.line, everyByte)), test.deals) << test.line;
  }
}

TEST(LinScanner, MalformedDealsSayWhyAndTheOthersStillCount) {
  EXPECT_EQ(scanned("md|SAKQJHT98D765C432,,,|md|" + kDeal2 + "|"),
            "-:malformed LIN deal: the md| field must start with the dealer's digit, 1 to 4; -:" +
                std::string(kSouth2));
  EXPECT_EQ(scanned("md|2SAKQJHT98D765C432,SAKQJ,,|"),
            "-:seat W: The hand has only 4 cards"
            "the Ace of Spades is in both S and W");
  // A blank inside a hand does not start a suit: the 7, 6 and 5 stay diamonds.
  EXPECT_EQ(scanned("md|3SAKQJHT98D765C432,ST98H765D432CAKQJ,S765H432DAKQJCT98,"
                    "S432HAKQJDT98 765|"),
            "-:the Seven of Diamonds is in both S and E");
  EXPECT_EQ(scanned("md|2" + std::string(2000, 'S') + "|ah|Board 3|md|" + kDeal1),
            "-:malformed LIN deal: the md| field is too long; 3:" + std::string(kSouth1));
}

TEST(LinScanner, ALinHandLeftOutIsOnlyFilledInAfterThreeValidOnes) {
  const std::vector<LinDeal> deals = scanInParts("md|4SAKQJHT98D765C432,,S765H432DAKQJCT98,|", {});
  ASSERT_EQ(deals.size(), 1u);
  EXPECT_TRUE(deals[0].deal.errors.empty());
  EXPECT_EQ(deals[0].deal.count, 2);
}

// Positions in messages count from the line's first character, across parts.
TEST(LinScanner, PositionsCountFromTheLine) {
  const std::string line = "pn|a,b,c,d|md|3SAKQJHT98D765C43Z,,,|";
  const std::string message = "-:seat S: unexpected character 'Z' at position 32";
  EXPECT_EQ(shown(scanInParts(line, {})), message);
  EXPECT_EQ(shown(scanInParts(line, {5, 20})), message);
  LinScanner scanner;
  scanner.startLine(9, 4);
  EXPECT_TRUE(scanner.scan(line).empty());
  const std::vector<LinDeal> deals = scanner.endLine();
  ASSERT_EQ(deals.size(), 1u);
  EXPECT_EQ(deals[0].line, 9);
  EXPECT_EQ(deals[0].deal.errors,
            std::vector<std::string>{"seat S: unexpected character 'Z' at position 35"});
}

// A deal and a board are those of their line only.
TEST(LinScanner, EachLineStartsAfresh) {
  LinScanner scanner;
  scanner.startLine(1, 1);
  EXPECT_TRUE(scanner.scan("qx|o5|md|").empty());
  EXPECT_EQ(shown(scanner.endLine()),
            "-:malformed LIN deal: the md| field must start with the "
            "dealer's digit, 1 to 4");
  scanner.startLine(2, 1);
  EXPECT_TRUE(scanner.scan("md|" + kDeal1).empty());
  const std::vector<LinDeal> deals = scanner.endLine();
  EXPECT_EQ(shown(deals), "-:" + std::string(kSouth1));
  EXPECT_EQ(deals[0].line, 2);
}

TEST(IsLinLine, AnMdFieldStartsTheLineOrFollowsABar) {
  EXPECT_TRUE(isLinLine("md|3"));
  EXPECT_TRUE(isLinLine("pn|a|md|"));
  EXPECT_FALSE(isLinLine("xmd|3"));
  EXPECT_FALSE(isLinLine("md 3"));
  EXPECT_FALSE(isLinLine("KQ7543 QT2 A J98"));
}

LinDeal dealOf(const std::string& line) {
  std::vector<LinDeal> deals = scanInParts(line, {});
  return deals.empty() ? LinDeal{} : std::move(deals[0]);
}

TEST(RecentDeals, ARepeatIsTheSameHandsForTheSameBoard) {
  RecentDeals recent;
  const LinDeal deal = dealOf("qx|o1|md|" + kDeal1);
  EXPECT_FALSE(recent.repeats(deal));
  EXPECT_TRUE(recent.repeats(deal));
  EXPECT_FALSE(recent.repeats(dealOf("qx|o2|md|" + kDeal1)));
  EXPECT_FALSE(recent.repeats(dealOf("md|" + kDeal1)));
  // The fourth hand left out is the same deal.
  EXPECT_TRUE(recent.repeats(dealOf("qx|c1|md|" + kDeal1.substr(0, kDeal1.rfind(',') + 1))));
  const LinDeal broken = dealOf("qx|o3|md|2SAKQJHT98D765C432,SAKQJ,,|");
  EXPECT_FALSE(recent.repeats(broken));
  EXPECT_FALSE(recent.repeats(broken));
}

TEST(RecentDeals, OnlyTheLastDealsAreKept) {
  RecentDeals recent;
  const std::string deal = "md|" + kDeal1 + "|ah|Board ";
  for (std::size_t board = 0; board <= RecentDeals::kKept; ++board) {
    EXPECT_FALSE(recent.repeats(dealOf(deal + std::to_string(board) + "|")));
  }
  EXPECT_TRUE(recent.repeats(dealOf(deal + "1|")));
  EXPECT_FALSE(recent.repeats(dealOf(deal + "0|")));
}

}  // namespace
}  // namespace bidgauge
