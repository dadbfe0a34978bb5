// Feeds arbitrary bytes to the study's deal reader: it must not crash, every
// deal it gives must be whole, every trick it reads must be a number of
// tricks, and every deal must come back unchanged through its cache line.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "batch/deal.hpp"
#include "study/study_input.hpp"
#include "study/tricks_cache.hpp"
#include "study/whole_deal.hpp"

namespace {

using namespace bidgauge;

void check(bool condition) {
  if (!condition) std::abort();
}

void checkWhole(const WholeDeal& deal) {
  int held = 0;
  for (const Hand& hand : deal.hands) {
    check(hand.cardCount == kCardsInHand);
    for (int suit = 0; suit < kSuitCount; ++suit) {
      const auto s = static_cast<std::size_t>(suit);
      check(hand.spotCount[s] == 0);
      check(__builtin_popcount(static_cast<unsigned>(hand.suitCards[s])) == hand.suitLength[s]);
    }
  }
  // Each card in one hand only.
  for (int suit = 0; suit < kSuitCount; ++suit) {
    int cards = 0;
    for (const Hand& hand : deal.hands) {
      const int bits = hand.suitCards[static_cast<std::size_t>(suit)];
      check((cards & bits) == 0);
      cards |= bits;
    }
    held += __builtin_popcount(static_cast<unsigned>(cards));
  }
  check(held == 52);
}

void checkCacheLine(const SolvedDeal& solved) {
  std::string line = cacheLine(solved);
  check(!line.empty() && line.back() == '\n');
  line.pop_back();
  const auto parts = splitCacheLine(line);
  check(parts.has_value());
  const auto tricks = readTricksField(parts->tricks);
  check(tricks.has_value() && *tricks == solved.tricks);
  std::string error;
  const auto read = readDealString(parts->deal, 1, error);
  check(read.has_value());
  const auto deal = wholeDealOf(*read);
  check(deal.has_value() && *deal == solved.deal);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (in == nullptr) return 0;
  StudyInput input;
  readStudyInput(in, "fuzz", input);
  std::fclose(in);
  long number = 0;
  for (const SolvedDeal& solved : input.deals) {
    check(solved.number == number++);
    checkWhole(solved.deal);
    for (const auto& strain : solved.tricks.tricks) {
      for (const std::int8_t tricks : strain) check(tricks >= -1 && tricks <= 13);
    }
    checkCacheLine(solved);
  }
  return 0;
}
