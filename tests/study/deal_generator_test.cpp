#include "study/deal_generator.hpp"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <set>
#include <string>
#include <vector>

#include "study/random_stream.hpp"
#include "study/whole_deal.hpp"

namespace bidgauge {
namespace {

TEST(RandomStream, IsSplitMix64) {
  // SplitMix64's published first numbers from seed 0.
  RandomStream stream(0);
  EXPECT_EQ(stream.next(), 0xE220A8397B1DCDAFu);
  EXPECT_EQ(stream.next(), 0x6E789E6AA1B965F4u);
  EXPECT_EQ(stream.next(), 0x06C45D188009454Fu);
}

TEST(RandomStream, AnyNumberOfTheStreamWithoutTheOnesBefore) {
  for (const std::uint64_t seed : {std::uint64_t{0}, std::uint64_t{7}, ~std::uint64_t{0}}) {
    RandomStream stream(seed);
    for (std::uint64_t index = 0; index < 100; ++index) {
      EXPECT_EQ(nthOfStream(seed, index), stream.next()) << seed << " " << index;
    }
  }
}

TEST(RandomStream, BoundedDrawsStayInRange) {
  RandomStream stream(1);
  std::array<int, 52> seen{};
  for (int i = 0; i < 5000; ++i) {
    EXPECT_EQ(stream.below(1), 0u);
    const std::uint64_t card = stream.below(52);
    ASSERT_LT(card, 52u);
    ++seen[card];
  }
  for (const int count : seen) EXPECT_GT(count, 0);
}

TEST(RandomStream, BoundedDrawsAreEvenlySpread) {
  RandomStream stream(2);
  constexpr int kDraws = 300000;
  std::array<int, 3> counts{};
  for (int i = 0; i < kDraws; ++i) ++counts[stream.below(3)];
  for (const int count : counts) EXPECT_NEAR(count, kDraws / 3, 1500);  // about 6 sigma

  // Near 2^64 * 2/3 a plain remainder would give the low half of the range
  // twice the high half's draws: 2/3 of them instead of 1/2.
  constexpr std::uint64_t kBound = 0xAAAAAAAAAAAAAAAAu;
  int low = 0;
  for (int i = 0; i < kDraws; ++i) {
    const std::uint64_t draw = stream.below(kBound);
    ASSERT_LT(draw, kBound);
    low += draw < kBound / 2 ? 1 : 0;
  }
  EXPECT_NEAR(low, kDraws / 2, 1500);
}

// Every one of the 52 cards once, 13 to a hand, all named.
void expectWhole(const WholeDeal& deal) {
  std::array<int, kSuitCount> cardsOfSuit{};
  for (const Hand& hand : deal.hands) {
    EXPECT_EQ(hand.cardCount, kCardsInHand);
    int cards = 0;
    for (int suit = 0; suit < kSuitCount; ++suit) {
      const auto s = static_cast<std::size_t>(suit);
      const auto bits = static_cast<unsigned>(hand.suitCards[s]);
      EXPECT_EQ(std::popcount(bits), hand.suitLength[s]);
      EXPECT_EQ(bits & ~0x3FFEu, 0u);  // ranks 1 (ace) to 13 (two)
      EXPECT_EQ(hand.spotCount[s], 0);
      EXPECT_EQ(cardsOfSuit[s] & static_cast<int>(bits), 0) << "a card in two hands";
      cardsOfSuit[s] |= static_cast<int>(bits);
      cards += hand.suitLength[s];
    }
    EXPECT_EQ(cards, kCardsInHand);
  }
  for (const int suit : cardsOfSuit) EXPECT_EQ(suit, 0x3FFE);
}

TEST(RandomDeal, IsWholeAndReadsBackFromItsDealString) {
  for (const std::uint64_t seed : {std::uint64_t{0}, std::uint64_t{7}, ~std::uint64_t{0}}) {
    for (std::uint64_t index = 0; index < 100; ++index) {
      const WholeDeal deal = randomDeal(seed, index);
      expectWhole(deal);
      const std::string text = dealString(deal);
      std::string error;
      const auto read = readDealString(text, 1, error);
      ASSERT_TRUE(read) << text << ": " << error;
      EXPECT_EQ(wholeDealOf(*read), deal) << text;
    }
  }
}

TEST(RandomDeal, DependsOnTheSeedAndNumberAlone) {
  std::set<std::string> seen;
  for (const std::uint64_t seed : {1u, 2u}) {
    for (std::uint64_t index = 0; index < 500; ++index) {
      const WholeDeal deal = randomDeal(seed, index);
      EXPECT_EQ(randomDeal(seed, index), deal);
      EXPECT_TRUE(seen.insert(dealString(deal)).second) << seed << " " << index;
    }
  }
}

TEST(RandomDeal, AnyNumberOfWorkersMakesTheSameDeals) {
  constexpr std::uint64_t kSeed = 42;
  constexpr std::uint64_t kDeals = 40;
  std::vector<WholeDeal> inOrder;
  for (std::uint64_t index = 0; index < kDeals; ++index) {
    inOrder.push_back(randomDeal(kSeed, index));
  }
  for (std::uint64_t workers = 1; workers <= 4; ++workers) {
    std::vector<WholeDeal> merged(kDeals);
    // The last worker first, each one's deals from its last down.
    for (std::uint64_t worker = workers; worker-- > 0;) {
      for (std::uint64_t index = kDeals; index-- > 0;) {
        if (index % workers == worker) merged[index] = randomDeal(kSeed, index);
      }
    }
    EXPECT_EQ(merged, inOrder) << workers << " workers";
  }
}

TEST(RandomDeal, KeepsItsDocumentedDeals) {
  // Worked out from the header's definition by a separate program.
  EXPECT_EQ(dealString(randomDeal(7, 0)),
            "N:KJT85.84.AT2.AK3 432.J3.QJ64.Q982 A9.QT72.973.J754 Q76.AK965.K85.T6");
  EXPECT_EQ(dealString(randomDeal(~std::uint64_t{0}, 999'999'999)),
            "N:.J986543.AKT4.A9 T2.KQ72.QJ52.Q52 AKQ643.T.9873.K7 J9875.A.6.JT8643");
}

TEST(FreshSeed, DiffersFromCallToCall) {
  EXPECT_NE(freshSeed(), freshSeed());
}

}  // namespace
}  // namespace bidgauge
