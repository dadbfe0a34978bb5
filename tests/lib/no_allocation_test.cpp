// Reading well-formed hands and valuing them allocate nothing: every global
// operator new of this test program is counted.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "bidgauge/bidgauge.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
  std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace {

TEST(CApiAllocation, NoneToReadAndValueWellFormedHands) {
  const std::string lines = "KQ7543 QT2 A J98\n764 AQJ74 42 A83\nAKT9xx..QJxxx.T2\n";
  std::vector<bidgauge_text_result> results(3);
  std::vector<bidgauge_hand> hands(2);
  std::vector<bidgauge_valuation> valuations(2);
  bidgauge_error error{};

  const long before = allocations.load();
  bidgauge_read_hand("KQ7543 QT2 A J98", 16, &hands[0], &error);
  bidgauge_read_hand(" 764.AQJ74.42.A83\r\n", 19, &hands[1], &error);
  bidgauge_evaluate(&hands[0], &valuations[0]);
  bidgauge_evaluate_hands(hands.data(), hands.size(), valuations.data());
  bidgauge_evaluate_texts(lines.data(), lines.size(), '\n', results.data(), results.size());
  const long during = allocations.load() - before;

  EXPECT_EQ(during, 0);
  EXPECT_EQ(valuations[1].knr_hundredths, 1220);
  EXPECT_EQ(results[2].code, BIDGAUGE_OK);
}

}  // namespace
