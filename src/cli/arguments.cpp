#include "cli/arguments.hpp"

#include <algorithm>
#include <charconv>
#include <limits>

namespace bidgauge {
namespace {

enum class OptionId {
  explain,
  batch,
  format,
  noHeader,
  allRooms,
  deal,
  seed,
  study,
  deals,
  report,
  cache,
  quiet,
  help,
  version
};

struct OptionInfo {
  OptionId id;
  std::string_view name;
  std::string_view valueName;  // empty for an option without a value
  std::string_view help;
};

constexpr std::array<OptionInfo, 14> kOptions = {{
    {OptionId::explain, "--explain", "", "after the results, show what each method counted"},
    {OptionId::batch, "--batch", "", "evaluate the hands in each FILE, or on standard input"},
    {OptionId::format, "--format", "FORMAT", "batch output: tsv (the default), csv or jsonl"},
    {OptionId::noHeader, "--no-header", "", "batch output without the line of column names"},
    {OptionId::allRooms, "--all-rooms", "", "LIN: rows again for each room that repeats a deal"},
    {OptionId::deal, "--deal", "N", "write N random deals, a deal string a line"},
    {OptionId::seed, "--seed", "S", "the random deals' seed, to repeat a run"},
    {OptionId::study, "--study", "", "which count predicts tricks: study the deals in FILE"},
    {OptionId::deals, "--deals", "N", "study N random deals instead of a FILE's"},
    {OptionId::report, "--report", "DIR", "study: also write tables, plots and a page to DIR"},
    {OptionId::cache, "--cache", "FILE", "study: the solved deals' file (study.tricks)"},
    {OptionId::quiet, "--quiet", "", "no sound in the interactive program"},
    {OptionId::help, "--help", "", "show this help and exit"},
    {OptionId::version, "--version", "", "show the version and exit"},
}};

constexpr std::string_view kUsageHead =
    "Usage: bidgauge [--quiet]\n"
    "       bidgauge [--explain] HAND...\n"
    "       bidgauge ? | h\n"
    "       bidgauge --batch [--format tsv|csv|jsonl] [--no-header] [--all-rooms]\n"
    "                        [FILE...]\n"
    "       bidgauge --deal N [--seed S]\n"
    "       bidgauge --study [FILE...] | --deals N [--seed S] [--report DIR]\n"
    "                        [--cache FILE]\n"
    "\n"
    "Shows four opening-bid valuations of a bridge hand side by side: the KnR count,\n"
    "Zar Points, Kleinman Points and Culbertson Honor Tricks. Without a hand it\n"
    "starts the interactive program; ? or h opens its help pages first.\n"
    "\n"
    "A HAND is the four suits in the order spades, hearts, diamonds, clubs separated\n"
    "by blanks, - for a void, x for a spot card and T, 10, 1 or 0 for a ten, as in\n"
    "  bidgauge akt9xx -- qjxxx t2\n"
    "Batch input has a hand or a deal per line: typed so, dotted (KQ7543.QT2.A.J98),\n"
    "with suit labels (S:KQ7543 H:QT2 D:A C:J98), a deal (N:KQ7543.QT2.A.J98 ...),\n"
    "a deal generator's line or LIN records (every md| deal of the line); or it is\n"
    "a PBN file. Lines end at LF, CRLF or CR.\n"
    "\n"
    "--deal writes N random deals (up to 1000000000) in the form --batch reads. The\n"
    "same seed S (0 to 18446744073709551615) gives the same deals on every system;\n"
    "without one, the seed used is printed on standard error.\n"
    "\n"
    "--study finds how well each count predicts double-dummy tricks: it reads the\n"
    "whole deals of each FILE (or makes N random ones with --deals), solves what\n"
    "they do not carry, keeps the tricks in the cache file for the next run, and\n"
    "prints the fitted lines and their errors.\n"
    "\n"
    "Options:\n";

constexpr std::string_view kUsageTail =
    "\n"
    "Exit status: 0 on success, 1 when batch input had invalid lines (the valid\n"
    "ones are still evaluated), 2 for a usage error, an invalid hand, or a file\n"
    "that could not be read or written.\n";

const OptionInfo* findOption(std::string_view name) {
  const auto* found =
      std::find_if(kOptions.begin(), kOptions.end(),
                   [name](const OptionInfo& option) { return option.name == name; });
  return found == kOptions.end() ? nullptr : found;
}

std::optional<BatchFormat> formatNamed(std::string_view name) {
  if (name == "tsv") return BatchFormat::tsv;
  if (name == "csv") return BatchFormat::csv;
  if (name == "jsonl") return BatchFormat::jsonl;
  return std::nullopt;
}

bool isHelpWord(std::string_view word) {
  return word == "?" || word == "h" || word == "H";
}

ParsedArguments failure(std::string error) {
  return {std::nullopt, std::move(error)};
}

}  // namespace

bool isOption(std::string_view word) {
  const std::size_t after = word.find_first_not_of('-');
  return !word.empty() && word[0] == '-' && after != std::string_view::npos && word[after] != ' ';
}

namespace {

// What the options asked for, beyond the arguments themselves.
struct Requests {
  bool batch = false;
  bool deal = false;
  bool study = false;
  bool formatGiven = false;
  bool help = false;
  bool version = false;
};

// A decimal number of digits alone (no sign, no blank), if it fits.
std::optional<std::uint64_t> decimalNumber(std::string_view text) {
  std::uint64_t number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return number;
}

std::optional<std::string> applyDealCount(std::string_view value, long& dealCount) {
  const auto count = decimalNumber(value);
  if (!count || *count < 1 || *count > static_cast<std::uint64_t>(kMaxDealCount)) {
    return "invalid number of deals '" + std::string(value) + "' (1 to " +
           std::to_string(kMaxDealCount) + ")";
  }
  dealCount = static_cast<long>(*count);
  return std::nullopt;
}

std::optional<std::string> applySeed(std::string_view value, Arguments& arguments) {
  arguments.seed = decimalNumber(value);
  if (!arguments.seed) {
    return "invalid seed '" + std::string(value) + "' (a whole number from 0 to " +
           std::to_string(std::numeric_limits<std::uint64_t>::max()) + ")";
  }
  return std::nullopt;
}

ParsedArguments settleStudy(Arguments arguments, const Requests& requests) {
  if (requests.batch || requests.deal) {
    return failure(std::string(requests.batch ? "--batch" : "--deal") +
                   " cannot be used with --study");
  }
  if (arguments.explain) return failure("--explain cannot be used with --study");
  const bool random = arguments.study.randomDeals > 0;
  if (random && !arguments.words.empty()) {
    return failure("--deals makes its deals: no FILE ('" + arguments.words[0] + "')");
  }
  if (arguments.seed && !random) return failure("--seed only applies to --deal and --deals");
  if (arguments.study.reportDir && arguments.study.reportDir->empty()) {
    return failure("--report needs a folder");
  }
  if (arguments.study.cachePath && arguments.study.cachePath->empty()) {
    return failure("--cache needs a file");
  }
  arguments.mode = Mode::study;
  return {std::move(arguments), {}};
}

// The mode the options and words ask for, once they have all been read.
ParsedArguments settle(Arguments arguments, const Requests& requests) {
  if (requests.help || requests.version) {
    arguments.mode = requests.help ? Mode::usage : Mode::version;
    return {std::move(arguments), {}};
  }
  const bool studyOptions = arguments.study.reportDir || arguments.study.cachePath;
  if (studyOptions && !requests.study) {
    return failure(std::string(arguments.study.reportDir ? "--report" : "--cache") +
                   " only applies to --study");
  }
  if (requests.study) return settleStudy(std::move(arguments), requests);
  if (arguments.seed && !requests.deal) return failure("--seed only applies to --deal");
  if (requests.batch) {
    if (requests.deal) return failure("--deal cannot be used with --batch");
    if (arguments.explain) return failure("--explain cannot be used with --batch");
    arguments.mode = Mode::batch;
    return {std::move(arguments), {}};
  }
  if (requests.formatGiven) return failure("--format only applies to --batch");
  if (!arguments.header) return failure("--no-header only applies to --batch");
  if (arguments.allRooms) return failure("--all-rooms only applies to --batch");
  if (requests.deal) {
    if (arguments.explain) return failure("--explain cannot be used with --deal");
    if (!arguments.words.empty()) {
      return failure("--deal takes no hand ('" + arguments.words[0] + "')");
    }
    arguments.mode = Mode::deal;
    return {std::move(arguments), {}};
  }
  if (arguments.words.empty()) {
    if (arguments.explain) return failure("--explain needs a hand");
    return {std::move(arguments), {}};
  }
  const bool helpWord = arguments.words.size() == 1 && isHelpWord(arguments.words[0]);
  arguments.mode = helpWord && !arguments.explain ? Mode::helpPages : Mode::hand;
  return {std::move(arguments), {}};
}

// Applies one option; the reason it cannot be, or nothing.
std::optional<std::string> applyOption(OptionId id, std::optional<std::string_view> value,
                                       Arguments& arguments, Requests& requests) {
  switch (id) {
    case OptionId::explain:
      arguments.explain = true;
      break;
    case OptionId::batch:
      requests.batch = true;
      break;
    case OptionId::format:
      if (const auto format = formatNamed(*value)) {
        arguments.format = *format;
        requests.formatGiven = true;
      } else {
        return "unknown format '" + std::string(*value) + "' (tsv, csv or jsonl)";
      }
      break;
    case OptionId::noHeader:
      arguments.header = false;
      break;
    case OptionId::allRooms:
      arguments.allRooms = true;
      break;
    case OptionId::deal:
      requests.deal = true;
      return applyDealCount(*value, arguments.dealCount);
    case OptionId::study:
      requests.study = true;
      break;
    case OptionId::deals:
      requests.study = true;
      return applyDealCount(*value, arguments.study.randomDeals);
    case OptionId::report:
      arguments.study.reportDir = *value;
      break;
    case OptionId::cache:
      arguments.study.cachePath = *value;
      break;
    case OptionId::seed:
      return applySeed(*value, arguments);
    case OptionId::quiet:
      arguments.quiet = true;
      break;
    case OptionId::help:
      requests.help = true;
      break;
    case OptionId::version:
      requests.version = true;
      break;
  }
  return std::nullopt;
}

}  // namespace

ParsedArguments parseArguments(std::span<const std::string_view> words) {
  Arguments arguments;
  Requests requests;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = words[i];
    if (!isOption(word)) {
      arguments.words.emplace_back(word);
      continue;
    }
    const std::size_t equals = word.find('=');
    const std::string_view name = word.substr(0, equals);
    const OptionInfo* option = findOption(name);
    if (option == nullptr) return failure("unknown option '" + std::string(name) + "'");
    std::optional<std::string_view> value;
    if (equals != std::string_view::npos) {
      if (option->valueName.empty()) {
        return failure("option '" + std::string(name) + "' takes no value");
      }
      value = word.substr(equals + 1);
    } else if (!option->valueName.empty()) {
      if (i + 1 == words.size()) return failure("option '" + std::string(name) + "' needs a value");
      value = words[++i];
    }
    if (auto error = applyOption(option->id, value, arguments, requests)) {
      return failure(std::move(*error));
    }
  }
  return settle(std::move(arguments), requests);
}

std::string usageText() {
  std::string text(kUsageHead);
  constexpr std::size_t kHelpColumn = 20;
  for (const OptionInfo& option : kOptions) {
    std::string line = "  " + std::string(option.name);
    if (!option.valueName.empty()) line += " " + std::string(option.valueName);
    line.append(kHelpColumn - std::min(line.size(), kHelpColumn - 1), ' ');
    text += line + std::string(option.help) + "\n";
  }
  return text + std::string(kUsageTail);
}

}  // namespace bidgauge
