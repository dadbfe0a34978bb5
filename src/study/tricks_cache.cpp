#include "study/tricks_cache.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "study/whole_deal.hpp"

namespace bidgauge {
namespace {

// The seat and strain of each field character's declarer, in the field's order.
constexpr std::array<int, kSeatCount> kFieldDeclarers = {kNorth, kSouth, kEast, kWest};
constexpr std::array<int, kStrainCount> kFieldStrains = {kNotrump, kSpades, kHearts, kDiamonds,
                                                         kClubs};
constexpr std::string_view kDigits = "0123456789abcd";
constexpr int kMostTricks = 13;

// The strain and declarer of a field character.
struct FieldPlace {
  std::size_t strain;
  std::size_t declarer;
};

FieldPlace placeOf(std::size_t field) {
  return {static_cast<std::size_t>(kFieldStrains[field % kStrainCount]),
          static_cast<std::size_t>(kFieldDeclarers[field / kStrainCount])};
}

int digitValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'd') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'D') return ch - 'A' + 10;
  return -1;
}

}  // namespace

std::string tricksField(const DealTricks& tricks) {
  std::string field(kTricksFieldSize, '-');
  for (std::size_t i = 0; i < kTricksFieldSize; ++i) {
    const FieldPlace place = placeOf(i);
    const std::int8_t taken = tricks.tricks[place.strain][place.declarer];
    if (taken >= 0 && taken <= kMostTricks) field[i] = kDigits[static_cast<std::size_t>(taken)];
  }
  return field;
}

std::optional<DealTricks> readTricksField(std::string_view field) {
  if (field.size() != kTricksFieldSize) return std::nullopt;
  DealTricks tricks;
  for (std::size_t i = 0; i < kTricksFieldSize; ++i) {
    const char ch = field[i];
    if (ch == '-' || ch == '*') continue;
    const int taken = digitValue(ch);
    if (taken < 0) return std::nullopt;
    const FieldPlace place = placeOf(i);
    tricks.tricks[place.strain][place.declarer] = static_cast<std::int8_t>(taken);
  }
  return tricks;
}

std::string cacheLine(const SolvedDeal& deal) {
  std::string line = dealString(deal.deal);
  line += ' ';
  line += tricksField(deal.tricks);
  line += '\n';
  return line;
}

std::optional<CacheLineParts> splitCacheLine(std::string_view line) {
  if (line.size() < kTricksFieldSize + 2) return std::nullopt;
  const std::size_t blank = line.size() - kTricksFieldSize - 1;
  if (line[blank] != ' ') return std::nullopt;
  CacheLineParts parts{line.substr(0, blank), line.substr(blank + 1)};
  if (!readTricksField(parts.tricks)) return std::nullopt;
  return parts;
}

bool writeCacheLines(std::FILE* out, std::span<const SolvedDeal> deals) {
  std::string block;
  for (const SolvedDeal& deal : deals) block += cacheLine(deal);
  return std::fwrite(block.data(), 1, block.size(), out) == block.size();
}

bool writeCacheFile(const std::string& path, std::span<const SolvedDeal> deals,
                    std::string& error) {
  const std::string temporary = path + ".tmp";
  std::FILE* out = std::fopen(temporary.c_str(), "wb");
  if (out == nullptr) {
    error = temporary + ": " + std::strerror(errno);
    return false;
  }
  // In blocks, so that a million deals take no more memory than a few.
  constexpr std::size_t kBlockDeals = 4096;
  bool written = true;
  for (std::size_t done = 0; written && done < deals.size(); done += kBlockDeals) {
    written = writeCacheLines(out, deals.subspan(done, std::min(kBlockDeals, deals.size() - done)));
  }
  const int writeError = errno;
  if (std::fclose(out) != 0 && written) {
    written = false;
  } else if (!written) {
    errno = writeError;
  }
  if (!written) {
    error = temporary + ": " + std::strerror(errno);
    std::remove(temporary.c_str());
    return false;
  }
  std::error_code renameError;
  std::filesystem::rename(temporary, path, renameError);
  if (renameError) {
    error = path + ": " + renameError.message();
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace bidgauge
