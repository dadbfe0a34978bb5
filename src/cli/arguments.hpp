#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/row_format.hpp"

namespace bidgauge {

// What the words after the program name ask for.
enum class Mode {
  interactive,  // no hand: the interactive program
  helpPages,    // "?" or "h": the help pager, then the interactive program
  hand,         // a hand to evaluate
  batch,        // --batch
  deal,         // --deal
  study,        // --study or --deals
  usage,        // --help
  version,      // --version
};

// What a study is asked to do, beyond its files.
struct StudyRequest {
  long randomDeals = 0;  // --deals N: study N random deals rather than files
  std::optional<std::string> reportDir;
  std::optional<std::string> cachePath;
};

struct Arguments {
  Mode mode = Mode::interactive;
  bool quiet = false;
  bool explain = false;
  BatchFormat format = BatchFormat::tsv;
  bool header = true;                 // false with --no-header
  bool allRooms = false;              // --all-rooms
  long dealCount = 0;                 // --deal's N
  std::optional<std::uint64_t> seed;  // --seed: the random deals' seed
  StudyRequest study;
  std::vector<std::string> words;  // the hand's words, or the batch's or study's files
};

// Arguments, or why they make no sense.
struct ParsedArguments {
  std::optional<Arguments> arguments;
  std::string error;
};

// The most deals --deal writes in one run.
inline constexpr long kMaxDealCount = 1'000'000'000;

ParsedArguments parseArguments(std::span<const std::string_view> words);

// A word is an option when it starts with a hyphen followed, after any further
// hyphens, by something else than a blank. No such word can be part of a hand
// (nothing may follow a void mark in its suit), while the void marks "-" and
// "--" themselves stay hand words.
bool isOption(std::string_view word);

// --help's text, built from the option table.
std::string usageText();

}  // namespace bidgauge
