// Deals per second of the study's double-dummy solving, (a) calling DDS
// directly and (b) through the study's solver, on the same seeded deals with
// the same strains, batches and threads. (b) should stay within 10% of (a).
//
//   cmake --build --preset default --target study_solve_bench
//   build/bench/study_solve_bench [DEALS [SEED]]     (default 200 deals, seed 1)
//
// A random deal costs DDS about 0.1-0.2 CPU seconds for the strains the study
// asks about, so the default run takes some 15-30 seconds a side on two
// cores. Wall-clock rates suffer from other work on the machine; the rates
// per CPU second less so.
#include <dds/dll.h>

#include <array>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "study/random_stream.hpp"
#include "study/solve_batches.hpp"
#include "study/study_deals.hpp"
#include "study/trick_solver.hpp"

namespace {

using bidgauge::SolveBatch;
using bidgauge::SolvedDeal;

using bidgauge::kCardsInDeal;
using bidgauge::SeatOfCard;
constexpr int kRanks = bidgauge::kRankCount;

std::vector<SeatOfCard> shuffledDeals(int count, std::uint64_t seed) {
  bidgauge::RandomStream random(seed);
  SeatOfCard seats{};
  for (int card = 0; card < kCardsInDeal; ++card)
    seats[static_cast<std::size_t>(card)] = card / kRanks;
  std::vector<SeatOfCard> deals;
  for (int i = 0; i < count; ++i) {
    for (std::size_t last = seats.size() - 1; last > 0; --last) {
      std::swap(seats[last], seats[random.below(last + 1)]);
    }
    deals.push_back(seats);
  }
  return deals;
}

// The same deal as the study holds it (rank bit 1 = Ace) and as DDS does (bit 14 = Ace).
SolvedDeal studyDeal(const SeatOfCard& seats, long number) {
  return {number, bidgauge::dealOfSeats(seats), {}};
}

ddTableDeal ddsDeal(const SeatOfCard& seats) {
  ddTableDeal table{};
  for (int card = 0; card < kCardsInDeal; ++card) {
    table.cards[seats[static_cast<std::size_t>(card)]][card / kRanks] |= 1u << (14 - card % kRanks);
  }
  return table;
}

// One DDS call's input, made before the clock starts.
struct DirectCall {
  ddTableDeals deals{};
  std::array<int, DDS_STRAINS> leftOut{};
};

std::vector<DirectCall> directCalls(const std::vector<SeatOfCard>& deals,
                                    const std::vector<SolveBatch>& batches) {
  std::vector<DirectCall> calls(batches.size());
  for (std::size_t b = 0; b < batches.size(); ++b) {
    DirectCall& call = calls[b];
    call.deals.noOfTables = static_cast<int>(batches[b].deals.size());
    for (std::size_t i = 0; i < batches[b].deals.size(); ++i) {
      call.deals.deals[i] = ddsDeal(deals[batches[b].deals[i]]);
    }
    for (int strain = 0; strain < DDS_STRAINS; ++strain) {
      call.leftOut[static_cast<std::size_t>(strain)] =
          ((batches[b].strains >> strain) & 1u) != 0 ? 0 : 1;
    }
  }
  return calls;
}

struct Timing {
  double wallSeconds = 0;
  double cpuSeconds = 0;
};

template <typename Work>
Timing timed(Work work) {
  const auto wallStart = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  work();
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count(),
          static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

void check(int code) {
  if (code == RETURN_NO_FAULT) return;
  std::array<char, 80> text{};
  ErrorMessage(code, text.data());
  std::fprintf(stderr, "DDS: %s\n", text.data());
  std::exit(1);
}

bool sameTricks(const std::vector<SolvedDeal>& solved, const std::vector<SolveBatch>& batches,
                const std::vector<ddTablesRes>& direct) {
  for (std::size_t b = 0; b < batches.size(); ++b) {
    for (std::size_t i = 0; i < batches[b].deals.size(); ++i) {
      const auto& tricks = solved[batches[b].deals[i]].tricks.tricks;
      for (int strain = 0; strain < DDS_STRAINS; ++strain) {
        if (((batches[b].strains >> strain) & 1u) == 0) continue;
        for (int seat = 0; seat < DDS_HANDS; ++seat) {
          if (tricks[static_cast<std::size_t>(strain)][static_cast<std::size_t>(seat)] !=
              direct[b].results[i].resTable[strain][seat]) {
            return false;
          }
        }
      }
    }
  }
  return true;
}

void printRate(const char* what, int deals, const Timing& timing) {
  std::printf("%-24s %8.2f s %8.2f deals/s %8.2f CPU s %8.2f deals per CPU s\n", what,
              timing.wallSeconds, deals / timing.wallSeconds, timing.cpuSeconds,
              deals / timing.cpuSeconds);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 200;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  if (count <= 0) {
    std::fprintf(stderr, "usage: %s [DEALS [SEED]]\n", argv[0]);
    return 2;
  }
  const std::vector<SeatOfCard> deals = shuffledDeals(count, seed);
  std::vector<SolvedDeal> study;
  for (std::size_t i = 0; i < deals.size(); ++i)
    study.push_back(studyDeal(deals[i], static_cast<long>(i)));

  std::string why;
  const std::unique_ptr<bidgauge::TrickSolver> solver =
      bidgauge::makeTrickSolver(why);  // every core
  if (!solver) {
    std::fprintf(stderr, "%s\n", why.c_str());
    return 1;
  }
  const std::vector<SolveBatch> batches = bidgauge::solveBatches(study, MAXNOOFBOARDS);
  std::vector<DirectCall> calls = directCalls(deals, batches);
  std::vector<ddTablesRes> direct(calls.size());
  auto par = std::make_unique<allParResults>();

  DDSInfo info{};
  GetDDSInfo(&info);
  const int tables =
      std::accumulate(batches.begin(), batches.end(), 0, [](int sum, const SolveBatch& b) {
        return sum + static_cast<int>(b.deals.size()) * std::popcount(b.strains);
      });
  std::printf("%d deals (seed %llu): %d tables of a deal and a strain in %zu calls, %d threads\n",
              count, static_cast<unsigned long long>(seed), tables, batches.size(),
              info.noOfThreads);

  const Timing directly = timed([&] {
    for (std::size_t b = 0; b < calls.size(); ++b) {
      check(CalcAllTables(&calls[b].deals, -1, calls[b].leftOut.data(), &direct[b], par.get()));
    }
  });
  long finished = 0;
  const Timing throughSolver =
      timed([&] { solver->solve(study, [&](long done) { finished = done; }); });

  printRate("(a) DDS directly", count, directly);
  printRate("(b) the study's solver", count, throughSolver);
  std::printf("%-24s %8.3f (deals/s)  %8.3f (deals per CPU s)\n", "(b) / (a)",
              directly.wallSeconds / throughSolver.wallSeconds,
              directly.cpuSeconds / throughSolver.cpuSeconds);
  if (finished != count || !sameTricks(study, batches, direct)) {
    std::fprintf(stderr, "the solver's tricks differ from DDS's\n");
    return 1;
  }
  return 0;
}
