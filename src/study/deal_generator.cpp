#include "study/deal_generator.hpp"

#include <array>
#include <chrono>
#include <random>
#include <utility>

#include "study/random_stream.hpp"

namespace bidgauge {
namespace {

constexpr int kPackSize = kSuitCount * kRankCount;

using Pack = std::array<std::uint8_t, kPackSize>;

constexpr Pack orderedPack() {
  Pack pack{};
  for (int card = 0; card < kPackSize; ++card) {
    pack[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(card);
  }
  return pack;
}

// Fisher-Yates, from the top of the pack down.
void shuffle(Pack& pack, RandomStream& stream) {
  for (std::uint64_t top = kPackSize - 1; top > 0; --top) {
    const std::uint64_t other = stream.below(top + 1);
    std::swap(pack[top], pack[other]);
  }
}

Hand handOf(const std::uint8_t* cards) {
  Hand hand;
  for (int i = 0; i < kCardsInHand; ++i) {
    const auto suit = static_cast<std::size_t>(cards[i] / kRankCount);
    const int rank = cards[i] % kRankCount + 1;  // 1 = ace, the hand's bit order
    hand.suitCards[suit] = static_cast<std::int16_t>(hand.suitCards[suit] | (1 << rank));
    ++hand.suitLength[suit];
  }
  hand.cardCount = kCardsInHand;
  return hand;
}

}  // namespace

WholeDeal randomDeal(std::uint64_t seed, std::uint64_t index) {
  RandomStream stream(nthOfStream(seed, index));
  Pack pack = orderedPack();
  shuffle(pack, stream);
  WholeDeal deal;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    deal.hands[static_cast<std::size_t>(seat)] =
        handOf(pack.data() + static_cast<std::ptrdiff_t>(seat * kCardsInHand));
  }
  return deal;
}

std::uint64_t freshSeed() {
  std::random_device device;
  const std::uint64_t random = (std::uint64_t{device()} << 32) ^ device();
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  return RandomStream::mix(random ^ static_cast<std::uint64_t>(now));
}

}  // namespace bidgauge
