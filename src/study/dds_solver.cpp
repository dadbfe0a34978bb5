// The study's solver on DDS, the double-dummy solver (Debian: libdds-dev).
// The only file that sees DDS: everything else asks the TrickSolver.
#include <dds/dll.h>

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "study/solve_batches.hpp"
#include "study/trick_solver.hpp"

namespace bidgauge {
namespace {

// Rank bits of a Hand's suit: bit 1 for the Ace down to bit 13 for the Two.
constexpr std::int16_t kEveryRank = 0x3FFE;
// DDS numbers a suit's cards by value instead: bit 2 for the Two up to bit 14
// for the Ace.
constexpr int kDdsAceBit = 14;
// No par score: the study needs only the tricks.
constexpr int kNoPar = -1;

unsigned ddsHolding(std::int16_t cards) {
  unsigned holding = 0;
  for (int rank = 1; rank <= kRankCount; ++rank) {
    if (((cards >> rank) & 1) != 0) holding |= 1u << (kDdsAceBit + 1 - rank);
  }
  return holding;
}

// DDS orders the seats N, E, S, W and the suits S, H, D, C, as a WholeDeal does.
ddTableDeal ddsDeal(const WholeDeal& deal) {
  ddTableDeal table{};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const Hand& hand = deal.hands[static_cast<std::size_t>(seat)];
    for (int suit = 0; suit < kSuitCount; ++suit) {
      table.cards[seat][suit] = ddsHolding(hand.suitCards[static_cast<std::size_t>(suit)]);
    }
  }
  return table;
}

// DDS trusts its input: a card held twice brings it down.
bool holdsEachCardOnce(const WholeDeal& deal) {
  std::array<int, kSeatCount> handSizes{};
  for (int suit = 0; suit < kSuitCount; ++suit) {
    int seen = 0;
    for (int seat = 0; seat < kSeatCount; ++seat) {
      const int cards =
          deal.hands[static_cast<std::size_t>(seat)].suitCards[static_cast<std::size_t>(suit)];
      if ((cards & seen) != 0 || (cards & ~kEveryRank) != 0) return false;
      seen |= cards;
      handSizes[static_cast<std::size_t>(seat)] += std::popcount(static_cast<unsigned>(cards));
    }
    if (seen != kEveryRank) return false;
  }
  for (const int size : handSizes) {
    if (size != kCardsInHand) return false;
  }
  return true;
}

void checkDeals(std::span<const SolvedDeal> deals, const std::vector<SolveBatch>& batches) {
  for (const SolveBatch& batch : batches) {
    for (const std::size_t place : batch.deals) {
      const SolvedDeal& solved = deals[place];
      if (!holdsEachCardOnce(solved.deal)) {
        throw std::runtime_error("deal " + std::to_string(solved.number + 1) +
                                 " does not hold each of the 52 cards once");
      }
    }
  }
}

[[noreturn]] void fail(int code) {
  std::array<char, 80> text{};
  ErrorMessage(code, text.data());
  throw std::runtime_error(std::string("double-dummy solver: ") + text.data());
}

// The solver's tables fill in the tricks not known yet; known ones stay.
void fillIn(DealTricks& known, const ddTableResults& solved, StrainSet strains) {
  for (int strain = 0; strain < kStrainCount; ++strain) {
    if (((strains >> strain) & 1u) == 0) continue;
    auto& row = known.tricks[static_cast<std::size_t>(strain)];
    for (int seat = 0; seat < kSeatCount; ++seat) {
      std::int8_t& tricks = row[static_cast<std::size_t>(seat)];
      if (tricks == DealTricks::kUnknown)
        tricks = static_cast<std::int8_t>(solved.resTable[strain][seat]);
    }
  }
}

// What one DDS call reads and writes: too large for a thread's stack.
struct DdsCall {
  ddTableDeals deals;
  ddTablesRes results;
  allParResults par;  // unused without a par score, but DDS asks for it
};

// DDS keeps its threads and their memory in the library, so one solver
// works at a time.
class DdsSolver final : public TrickSolver {
 public:
  DdsSolver() { SetMaxThreads(0); }  // every core

  void solve(std::span<SolvedDeal> deals, const Progress& progress) override {
    const std::vector<SolveBatch> batches = solveBatches(deals, MAXNOOFBOARDS);
    checkDeals(deals, batches);
    long finished = static_cast<long>(deals.size());
    for (const SolveBatch& batch : batches) finished -= static_cast<long>(batch.deals.size());
    for (const SolveBatch& batch : batches) {
      solveBatch(deals, batch);
      finished += static_cast<long>(batch.deals.size());
      if (progress) progress(finished);
    }
  }

 private:
  void solveBatch(std::span<SolvedDeal> deals, const SolveBatch& batch) {
    DdsCall& call = *call_;
    call.deals.noOfTables = static_cast<int>(batch.deals.size());
    for (std::size_t i = 0; i < batch.deals.size(); ++i) {
      call.deals.deals[i] = ddsDeal(deals[batch.deals[i]].deal);
    }
    std::array<int, DDS_STRAINS> leftOut{};  // DDS's trump filter: 1 leaves a strain out
    for (int strain = 0; strain < kStrainCount; ++strain) {
      leftOut[static_cast<std::size_t>(strain)] = ((batch.strains >> strain) & 1u) != 0 ? 0 : 1;
    }
    const int code = CalcAllTables(&call.deals, kNoPar, leftOut.data(), &call.results, &call.par);
    if (code != RETURN_NO_FAULT) fail(code);
    for (std::size_t i = 0; i < batch.deals.size(); ++i) {
      fillIn(deals[batch.deals[i]].tricks, call.results.results[i], batch.strains);
    }
  }

  std::unique_ptr<DdsCall> call_ = std::make_unique<DdsCall>();
};

}  // namespace

std::unique_ptr<TrickSolver> makeTrickSolver(std::string& why) {
  why.clear();
  return std::make_unique<DdsSolver>();
}

}  // namespace bidgauge
