#include "batch/pbn.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/row_format.hpp"

namespace bidgauge {
namespace {

TEST(PbnTag, ReadsNameAndValue) {
  const PbnTag tag = readTag(R"([Deal "N:AKQJ.T98.765.432 - - -"])");
  EXPECT_TRUE(tag.wellFormed);
  EXPECT_EQ(tag.name, "Deal");
  EXPECT_EQ(tag.value, "N:AKQJ.T98.765.432 - - -");
  const PbnTag spaced = readTag("[ Board   \"12\" ]  ");
  EXPECT_TRUE(spaced.wellFormed);
  EXPECT_EQ(spaced.name, "Board");
  EXPECT_EQ(spaced.value, "12");
  const PbnTag escaped = readTag(R"([Event "The \"Cup\""])");
  EXPECT_TRUE(escaped.wellFormed);
  EXPECT_EQ(escaped.value, R"(The \"Cup\")");
}

TEST(PbnTag, MalformedOnesAreNoticed) {
  for (const char* line : {R"([Deal "N:AKQJ.T98.765.432 - - -")", R"([Deal N:AKQJ.T98.765.432])",
                           R"([Deal "N:AKQJ.T98.765.432 - - -)", R"([Deal"N:x"])",
                           R"([Board "1"] [Deal "N:x"])", R"([Board "1"] trailing)"}) {
    EXPECT_FALSE(readTag(line).wellFormed) << line;
  }
  EXPECT_EQ(readTag("[Deal").name, "Deal");
  EXPECT_EQ(readTag("[").name, "");
  EXPECT_EQ(readTag("[ ]").name, "");
}

// A tag whose quote never closes is given up once it holds 4 KB: what is
// held stays bounded, and later tags are read.
TEST(PbnScanner, AnUnclosedTagIsGivenUpAfterFourKilobytes) {
  PbnScanner scanner;
  EXPECT_TRUE(scanner.scan("[Deal \"N:AKQJ", 1).empty());
  const std::string line(99, 'f');
  std::size_t held = 13;
  long number = 1;
  while (scanner.midway() && held < 100000) {
    const std::vector<ScannedTag> tags = scanner.scan(line, ++number);
    held += line.size() + 1;
    if (!scanner.midway()) {
      ASSERT_EQ(tags.size(), 1u);
      EXPECT_EQ(tags[0].name, "Deal");
      EXPECT_FALSE(tags[0].wellFormed);
      EXPECT_EQ(tags[0].line, 1);
    }
  }
  EXPECT_LE(held, 4096 + line.size() + 1);
  const std::vector<ScannedTag> after = scanner.scan("[Board \"7\"]", ++number);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].value, "7");
}

std::string seatsOf(const DealHands& deal) {
  std::string text;
  for (int i = 0; i < deal.count; ++i) {
    const SeatHand& seat = deal.seats[static_cast<std::size_t>(i)];
    text += std::string(1, seat.seat) + "=" + handText(seat.hand) + ";";
  }
  return text;
}

TEST(PbnDeal, SeatsFollowTheDealingOrderFromTheFirstSeat) {
  std::string error;
  const auto deal =
      readDeal("e:AKQJ.T98.765.432 T98.765.432.AKQJ 765.432.AKQJ.T98 432.AKQJ.T98.765", 8, error);
  ASSERT_TRUE(deal) << error;
  EXPECT_TRUE(deal->errors.empty());
  EXPECT_EQ(seatsOf(*deal),
            "E=AKQJ T98 765 432;S=T98 765 432 AKQJ;W=765 432 AKQJ T98;N=432 AKQJ T98 765;");
}

TEST(PbnDeal, UnknownHandsAreLeftOutAndInvalidOnesReported) {
  std::string error;
  const auto deal = readDeal("W:- AKQJ.T98.765.432  .AKQJ765432.AK.A T98765432..QJ.", 8, error);
  ASSERT_TRUE(deal) << error;
  EXPECT_EQ(seatsOf(*deal), "N=AKQJ T98 765 432;E=- AKQJ765432 AK A;");
  ASSERT_EQ(deal->errors.size(), 1u);
  EXPECT_EQ(deal->errors[0], "seat S: The hand has only 11 cards");
}

TEST(PbnDeal, CharacterPositionsCountFromTheLine) {
  std::string error;
  const auto deal = readDeal("N:AKQJ.T98.765.43Z - - -", 8, error);
  ASSERT_TRUE(deal) << error;
  ASSERT_EQ(deal->errors.size(), 1u);
  EXPECT_EQ(deal->errors[0], "seat N: unexpected character 'Z' at position 25");
}

TEST(PbnDeal, MalformedValuesGiveNoHands) {
  const std::pair<const char*, const char*> cases[] = {
      {"X:AKQJ.T98.765.432 - - -", "malformed Deal tag: it must start with N:, E:, S: or W:"},
      {"AKQJ.T98.765.432 - - -", "malformed Deal tag: it must start with N:, E:, S: or W:"},
      {"", "malformed Deal tag: it must start with N:, E:, S: or W:"},
      {"N:AKQJ.T98.765.432 - -", "malformed Deal tag: 3 hands instead of 4"},
      {"N:", "malformed Deal tag: 0 hands instead of 4"},
      {"N:- - - - -", "malformed Deal tag: 5 hands instead of 4"},
  };
  for (const auto& [value, message] : cases) {
    std::string error;
    EXPECT_FALSE(readDeal(value, 1, error)) << value;
    EXPECT_EQ(error, message) << value;
  }
}

TEST(PbnBoard, IsANumberOrNothing) {
  std::string error;
  EXPECT_EQ(readBoard("12", error), 12);
  EXPECT_EQ(readBoard("007", error), 7);
  EXPECT_EQ(readBoard("?", error), std::nullopt);
  EXPECT_EQ(readBoard("", error), std::nullopt);
  EXPECT_TRUE(error.empty());
  for (const char* value : {"12a", "-3", "1234567890", "one"}) {
    std::string why;
    EXPECT_EQ(readBoard(value, why), std::nullopt) << value;
    EXPECT_EQ(why, "malformed Board tag: \"" + std::string(value) + "\" is no board number");
  }
  // Nothing from the file reaches the terminal unescaped.
  std::string why;
  EXPECT_EQ(readBoard("1\x1B[2J", why), std::nullopt);
  EXPECT_EQ(why, "malformed Board tag: \"1\\x1B[2J\" is no board number");
}

}  // namespace
}  // namespace bidgauge
