#pragma once

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "study/solved_deal.hpp"

namespace bidgauge {

// The tricks cache: the solved deals of a study, one line per deal in deal
// order, so that a rerun or a new question solves nothing. A line is the
// deal string (North first, "N:AKQ.T98.765.432 ..."), a blank, and 20
// characters of tricks, then '\n':
//
//   N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432 0d0d00d0d000d0d00d0d
//
// (each seat holding one whole suit)
//
// Character 5 * declarer + strain, declarers in the order N, S, E, W and
// strains NT, S, H, D, C (the layout of PBN's DoubleDummyTricks tag), is the
// number of tricks that declarer takes in that strain, a hexadecimal digit
// 0 to d; '-' where the strain was not solved.
inline constexpr std::size_t kTricksFieldSize = 20;

// The 20 characters of a deal's tricks, digits in lower case.
std::string tricksField(const DealTricks& tricks);

// The tricks of a 20-character field in the layout above: digits in either
// case, '-' or '*' for a number not known. Nothing when the field is not of
// that form.
std::optional<DealTricks> readTricksField(std::string_view field);

// A deal's cache line, with its '\n'.
std::string cacheLine(const SolvedDeal& deal);

// The deal string and the tricks field of a cache line (without its line
// end); nothing when the line does not end in a blank and 20 characters of
// tricks.
struct CacheLineParts {
  std::string_view deal;
  std::string_view tricks;
};
std::optional<CacheLineParts> splitCacheLine(std::string_view line);

// Appends the deals' cache lines to `out`; false (with errno set) when
// writing failed.
bool writeCacheLines(std::FILE* out, std::span<const SolvedDeal> deals);

// Writes the cache file whole: to a temporary file beside it, then renamed
// over it, so that a reader never sees half of it. The reason in `error`
// when it fails.
bool writeCacheFile(const std::string& path, std::span<const SolvedDeal> deals, std::string& error);

}  // namespace bidgauge
