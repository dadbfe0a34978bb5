#include "study/tricks_cache.hpp"

#include <gtest/gtest.h>

#include "study/study_test_deals.hpp"
#include "study/whole_deal.hpp"

namespace bidgauge {
namespace {

using testing_support::fileText;
using testing_support::kClubDeal;
using testing_support::kSuitDeal;
using testing_support::readText;
using testing_support::ScratchFolder;

// The field's characters run N, S, E, W, each NT, S, H, D, C.
struct FieldPlace {
  std::size_t index;
  int strain;
  int declarer;
};

TEST(TricksField, EachCharacterIsOneDeclarerAndStrain) {
  const FieldPlace places[] = {
      {0, kNotrump, kNorth},  {1, kSpades, kNorth},  {6, kSpades, kSouth}, {9, kClubs, kSouth},
      {13, kDiamonds, kEast}, {15, kNotrump, kWest}, {17, kHearts, kWest}, {19, kClubs, kWest},
  };
  for (const FieldPlace& place : places) {
    std::string field(kTricksFieldSize, '-');
    field[place.index] = 'C';  // 12, upper case read as lower
    const std::optional<DealTricks> tricks = readTricksField(field);
    ASSERT_TRUE(tricks) << field;
    DealTricks expected;
    expected
        .tricks[static_cast<std::size_t>(place.strain)][static_cast<std::size_t>(place.declarer)] =
        12;
    EXPECT_EQ(*tricks, expected) << "character " << place.index;
    field[place.index] = 'c';
    EXPECT_EQ(tricksField(*tricks), field);
  }
}

TEST(TricksField, ReadsOnlyTwentyDigitsUpToThirteenOrUnknowns) {
  EXPECT_EQ(readTricksField(std::string(20, '*')), DealTricks{});
  EXPECT_EQ(readTricksField(std::string(20, '-')), DealTricks{});
  EXPECT_TRUE(readTricksField("0123456789abcdABCD-*"));
  EXPECT_FALSE(readTricksField(std::string(19, '0')));
  EXPECT_FALSE(readTricksField(std::string(21, '0')));
  EXPECT_FALSE(readTricksField("e0000000000000000000"));
  EXPECT_FALSE(readTricksField("0000000000 000000000"));
}

TEST(CacheLine, SplitsTheTricksFieldOffTheDealString) {
  const std::string line = std::string(kSuitDeal) + " d0d0d0d0d0d0d0d0d0d0";
  const std::optional<CacheLineParts> parts = splitCacheLine(line);
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->deal, kSuitDeal);
  EXPECT_EQ(parts->tricks, "d0d0d0d0d0d0d0d0d0d0");
  EXPECT_FALSE(splitCacheLine(kSuitDeal));
  EXPECT_FALSE(splitCacheLine(std::string(kSuitDeal) + "\td0d0d0d0d0d0d0d0d0d0"));
  EXPECT_FALSE(splitCacheLine(std::string(kSuitDeal) + " d0d0d0d0d0d0d0d0d0dx"));
}

TEST(CacheLine, ReadsTheDealOfOneSuitEach) {
  // Each side takes every trick in its own suits and none in notrump, where
  // the opening leader runs a suit.
  const std::string line = std::string(kSuitDeal) + " 0d0d00d0d000d0d00d0d\n";
  const StudyInput read = readText(line);
  ASSERT_EQ(read.deals.size(), 1u);
  const DealTricks& tricks = read.deals[0].tricks;
  EXPECT_EQ(tricks.tricks[kNotrump], (std::array<std::int8_t, 4>{0, 0, 0, 0}));
  EXPECT_EQ(tricks.tricks[kSpades], (std::array<std::int8_t, 4>{13, 0, 13, 0}));
  EXPECT_EQ(tricks.tricks[kHearts], (std::array<std::int8_t, 4>{0, 13, 0, 13}));
  EXPECT_EQ(tricks.tricks[kDiamonds], (std::array<std::int8_t, 4>{13, 0, 13, 0}));
  EXPECT_EQ(tricks.tricks[kClubs], (std::array<std::int8_t, 4>{0, 13, 0, 13}));
  EXPECT_EQ(cacheLine(read.deals[0]), line);
}

std::vector<SolvedDeal> someSolvedDeals() {
  const StudyInput read = readText(std::string(kClubDeal) + "\n" + std::string(kSuitDeal) + "\n");
  std::vector<SolvedDeal> deals = read.deals;
  // The first fully known, the second only in some strains.
  for (std::size_t strain = 0; strain < kStrainCount; ++strain) {
    for (std::size_t seat = 0; seat < kSeatCount; ++seat) {
      deals[0].tricks.tricks[strain][seat] = static_cast<std::int8_t>((strain * 4 + seat) % 14);
    }
  }
  deals[1].tricks.tricks[kNotrump] = {13, 0, 13, 0};
  deals[1].tricks.tricks[kSpades] = {13, 0, 13, 0};
  return deals;
}

TEST(CacheFile, WritesOneLinePerDealInTheFieldLayout) {
  const ScratchFolder folder("cache-layout");
  const std::string path = folder.file("cache.tricks");
  std::string error;
  ASSERT_TRUE(writeCacheFile(path, someSolvedDeals(), error)) << error;
  // Club deal: strain s, seat p holds (4s + p) % 14; field N,S,E,W x NT,S,H,D,C.
  EXPECT_EQ(fileText(path), std::string(kClubDeal) + " 2048c426a03159d537b1\n" +
                                std::string(kSuitDeal) + " dd---dd---00---00---\n");
}

TEST(CacheFile, RoundTripsExactly) {
  const ScratchFolder folder("cache-round-trip");
  const std::string first = folder.file("first.tricks");
  const std::string second = folder.file("second.tricks");
  const std::vector<SolvedDeal> deals = someSolvedDeals();
  std::string error;
  ASSERT_TRUE(writeCacheFile(first, deals, error)) << error;
  const StudyInput read = readText(fileText(first));
  EXPECT_TRUE(read.messages.empty());
  ASSERT_EQ(read.deals.size(), deals.size());
  for (std::size_t i = 0; i < deals.size(); ++i) {
    EXPECT_EQ(read.deals[i].number, deals[i].number);
    EXPECT_EQ(read.deals[i].deal, deals[i].deal);
    EXPECT_EQ(read.deals[i].tricks, deals[i].tricks);
  }
  ASSERT_TRUE(writeCacheFile(second, read.deals, error)) << error;
  EXPECT_EQ(fileText(second), fileText(first));
  EXPECT_FALSE(std::filesystem::exists(first + ".tmp"));
}

TEST(CacheFile, ReplacesTheFileWhole) {
  const ScratchFolder folder("cache-replace");
  const std::string path = folder.file("cache.tricks");
  const std::vector<SolvedDeal> deals = someSolvedDeals();
  std::string error;
  ASSERT_TRUE(writeCacheFile(path, deals, error));
  ASSERT_TRUE(writeCacheFile(path, std::span(deals).first(1), error));
  EXPECT_EQ(fileText(path), cacheLine(deals[0]));
  EXPECT_FALSE(writeCacheFile(folder.file("no/such/folder"), deals, error));
  EXPECT_NE(error.find("no/such/folder"), std::string::npos);
}

}  // namespace
}  // namespace bidgauge
