#include "study/study_run.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <unordered_map>

#include "study/study_input.hpp"
#include "study/tricks_cache.hpp"

namespace bidgauge {
namespace {

// A deal packed as the seat of each card, two bits a card: a key as good as
// its deal string, in 16 bytes.
struct DealKey {
  std::uint64_t low = 0;
  std::uint64_t high = 0;
  friend bool operator==(const DealKey&, const DealKey&) = default;
};

struct DealKeyHash {
  std::size_t operator()(const DealKey& key) const {
    return std::hash<std::uint64_t>{}(key.low * 0x9E3779B97F4A7C15u ^ key.high);
  }
};

DealKey keyOf(const WholeDeal& deal) {
  DealKey key;
  int card = 0;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    for (int rank = 1; rank <= kRankCount; ++rank, ++card) {
      std::uint64_t seat = 0;
      for (int s = 0; s < kSeatCount; ++s) {
        const Hand& hand = deal.hands[static_cast<std::size_t>(s)];
        if ((hand.suitCards[static_cast<std::size_t>(suit)] >> rank) & 1) {
          seat = static_cast<std::uint64_t>(s);
        }
      }
      std::uint64_t& word = card < 32 ? key.low : key.high;
      word |= seat << (2 * (card % 32));
    }
  }
  return key;
}

// Fills in what `from` knows that `into` does not; whether it filled anything.
bool fillUnknown(DealTricks& into, const DealTricks& from) {
  bool filled = false;
  for (std::size_t strain = 0; strain < into.tricks.size(); ++strain) {
    for (std::size_t seat = 0; seat < into.tricks[strain].size(); ++seat) {
      std::int8_t& tricks = into.tricks[strain][seat];
      if (tricks < 0 && from.tricks[strain][seat] >= 0) {
        tricks = from.tricks[strain][seat];
        filled = true;
      }
    }
  }
  return filled;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The cache opened to add lines at its end, after a line end if a run
// stopped midway through a line.
File openForAppending(const std::string& path) {
  File file(std::fopen(path.c_str(), "a+b"));
  if (!file) return file;
  if (std::fseek(file.get(), -1, SEEK_END) == 0 && std::fgetc(file.get()) != '\n') {
    std::fseek(file.get(), 0, SEEK_END);
    std::fputc('\n', file.get());
  }
  std::fseek(file.get(), 0, SEEK_END);
  return file;
}

std::string fileError(const std::string& path) {
  return path + ": " + std::strerror(errno);
}

}  // namespace

std::vector<SolvedDeal> generatedDeals(long count, const std::function<WholeDeal(long)>& dealAt) {
  std::vector<SolvedDeal> deals;
  deals.reserve(static_cast<std::size_t>(std::max(0L, count)));
  for (long i = 0; i < count; ++i) deals.push_back({i, dealAt(i), {}});
  return deals;
}

bool needsSolving(const SolvedDeal& deal) {
  const StrainSet strains = strainsToSolve(deal.deal);
  for (int strain = 0; strain < kStrainCount; ++strain) {
    if ((strains >> strain & 1) != 0 && !deal.tricks.known(strain)) return true;
  }
  return false;
}

long reuseCachedTricks(std::vector<SolvedDeal>& deals, const std::string& path,
                       std::vector<std::string>& messages) {
  const File file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    if (errno != ENOENT) messages.push_back(fileError(path));
    return 0;
  }
  StudyInput cache;
  readStudyInput(file.get(), path, cache);
  messages.insert(messages.end(), cache.messages.begin(), cache.messages.end());
  if (cache.error != 0) messages.push_back(path + ": " + std::strerror(cache.error));
  std::unordered_map<DealKey, DealTricks, DealKeyHash> known;
  known.reserve(cache.deals.size());
  for (const SolvedDeal& deal : cache.deals) known.emplace(keyOf(deal.deal), deal.tricks);
  long reused = 0;
  for (SolvedDeal& deal : deals) {
    const auto found = known.find(keyOf(deal.deal));
    if (found != known.end() && fillUnknown(deal.tricks, found->second)) ++reused;
  }
  return reused;
}

std::vector<std::size_t> dealsToSolve(std::span<const SolvedDeal> deals, DealShare share) {
  std::vector<std::size_t> positions;
  for (std::size_t i = 0; i < deals.size(); ++i) {
    if (deals[i].number % share.processes == share.process && needsSolving(deals[i])) {
      positions.push_back(i);
    }
  }
  return positions;
}

void solveInChunks(std::vector<SolvedDeal>& deals, std::span<const std::size_t> positions,
                   TrickSolver& solver, long chunkDeals, const ChunkSolved& chunkSolved,
                   const SolvingProgress& progress) {
  const auto total = static_cast<long>(positions.size());
  const auto perChunk = static_cast<std::size_t>(std::max(1L, chunkDeals));
  std::vector<SolvedDeal> chunk;
  long done = 0;
  for (std::size_t first = 0; first < positions.size(); first += perChunk) {
    const std::span<const std::size_t> part =
        positions.subspan(first, std::min(perChunk, positions.size() - first));
    chunk.clear();
    for (const std::size_t position : part) chunk.push_back(deals[position]);
    solver.solve(chunk, [&](long finished) {
      if (progress) progress(done + finished, total);
    });
    for (std::size_t i = 0; i < part.size(); ++i) deals[part[i]] = chunk[i];
    done += static_cast<long>(part.size());
    if (chunkSolved) chunkSolved(chunk);
    if (progress) progress(done, total);
  }
}

void takeTricks(std::vector<SolvedDeal>& deals, std::span<const SolvedDeal> solved) {
  std::unordered_map<long, std::size_t> positions;
  positions.reserve(deals.size());
  for (std::size_t i = 0; i < deals.size(); ++i) positions.emplace(deals[i].number, i);
  for (const SolvedDeal& deal : solved) {
    const auto found = positions.find(deal.number);
    if (found != positions.end()) deals[found->second].tricks = deal.tricks;
  }
}

SolvingOutcome runSolving(std::vector<SolvedDeal>& deals, TrickSolver* solver,
                          std::string_view noSolver, const SolvingOptions& options,
                          const SolvingProgress& progress) {
  SolvingOutcome outcome;
  const std::string& path = options.cachePath;
  if (!path.empty()) outcome.fromCache = reuseCachedTricks(deals, path, outcome.messages);
  const std::vector<std::size_t> positions = dealsToSolve(deals, options.share);
  if (!positions.empty() && solver == nullptr) {
    outcome.error =
        std::to_string(positions.size()) +
        " deals need double-dummy tricks, and this build has no solver: " + std::string(noSolver);
    return outcome;
  }
  const bool writes = !path.empty() && options.share.processes == 1;
  File appended;
  if (writes && !positions.empty()) {
    appended = openForAppending(path);
    if (!appended) {
      outcome.error = fileError(path);
      return outcome;
    }
  }
  try {
    if (solver != nullptr) {
      solveInChunks(
          deals, positions, *solver, options.chunkDeals,
          [&](std::span<const SolvedDeal> chunk) {
            outcome.solved += static_cast<long>(chunk.size());
            if (appended && writeCacheLines(appended.get(), chunk)) std::fflush(appended.get());
          },
          progress);
    }
  } catch (const std::exception& failure) {
    outcome.error = failure.what();
  }
  appended.reset();
  std::string writeError;
  if (writes && !writeCacheFile(path, deals, writeError) && outcome.error.empty()) {
    outcome.error = writeError;
  }
  return outcome;
}

}  // namespace bidgauge
