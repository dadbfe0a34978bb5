#include "cli/arguments.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "support/test_names.hpp"

namespace bidgauge {
namespace {

ParsedArguments parse(std::vector<std::string_view> words) {
  return parseArguments(words);
}

// A case's name from its words, one underscore between them: a long option by its name
// ("--no-header" is NoHeader, "--format=csv" FormatEqualsCsv), any other word as
// nameFromText spells it ("-" is Dash, "a.txt" a_Dot_txt).
std::string wordsName(const std::vector<std::string_view>& words) {
  if (words.empty()) return "NoWords";
  std::string name;
  for (const std::string_view word : words) {
    if (!name.empty()) name += '_';
    if (word.size() < 3 || !word.starts_with("--") ||
        !std::isalpha(static_cast<unsigned char>(word[2]))) {
      name += nameFromText(word);
      continue;
    }
    bool capital = true;  // at the start of the option or of a part of it
    for (const char c : word.substr(2)) {
      if (std::isalnum(static_cast<unsigned char>(c))) {
        name += capital ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        capital = false;
      } else {
        if (c != '-') name += nameFromText(std::string_view(&c, 1));
        capital = true;
      }
    }
  }
  return name;
}

struct Accepted {
  std::vector<std::string_view> words;
  Mode mode;
  std::vector<std::string> rest;  // hand words or files
  bool explain = false;
  bool quiet = false;
  BatchFormat format = BatchFormat::tsv;
};

class ArgumentsAccepted : public ::testing::TestWithParam<Accepted> {};

TEST_P(ArgumentsAccepted, GiveTheMode) {
  const Accepted& expected = GetParam();
  const ParsedArguments parsed = parse(expected.words);
  ASSERT_TRUE(parsed.arguments) << parsed.error;
  EXPECT_EQ(parsed.arguments->mode, expected.mode);
  EXPECT_EQ(parsed.arguments->words, expected.rest);
  EXPECT_EQ(parsed.arguments->explain, expected.explain);
  EXPECT_EQ(parsed.arguments->quiet, expected.quiet);
  EXPECT_EQ(parsed.arguments->format, expected.format);
}

INSTANTIATE_TEST_SUITE_P(
    Words, ArgumentsAccepted,
    ::testing::Values(
        Accepted{{}, Mode::interactive, {}},
        Accepted{{"--quiet"}, Mode::interactive, {}, false, true},
        Accepted{{"?"}, Mode::helpPages, {"?"}}, Accepted{{"h"}, Mode::helpPages, {"h"}},
        Accepted{{"--quiet", "H"}, Mode::helpPages, {"H"}, false, true},
        Accepted{{"h", "x"}, Mode::hand, {"h", "x"}},
        Accepted{{"--explain", "h"}, Mode::hand, {"h"}, true},
        // Hyphen words are void marks, never option ends or standard input.
        Accepted{{"akt9xx", "--", "qjxxx", "t2"}, Mode::hand, {"akt9xx", "--", "qjxxx", "t2"}},
        Accepted{{"-", "AKQJ5", "KQJ32", "AQ2"}, Mode::hand, {"-", "AKQJ5", "KQJ32", "AQ2"}},
        Accepted{{"---", "- AKQJ5"}, Mode::hand, {"---", "- AKQJ5"}},
        Accepted{{"AKQ", "--explain", "x"}, Mode::hand, {"AKQ", "x"}, true},
        Accepted{{"--batch"}, Mode::batch, {}},
        Accepted{{"--batch", "-", "a.txt"}, Mode::batch, {"-", "a.txt"}},
        Accepted{{"a.pbn", "--batch", "--format", "jsonl"},
                 Mode::batch,
                 {"a.pbn"},
                 false,
                 false,
                 BatchFormat::jsonl},
        Accepted{{"--format=tsv", "--batch"}, Mode::batch, {}},
        Accepted{{"--help", "AKQ"}, Mode::usage, {"AKQ"}},
        Accepted{{"--version", "--batch"}, Mode::version, {}}),
    [](const ::testing::TestParamInfo<Accepted>& param) { return wordsName(param.param.words); });

struct Rejected {
  std::vector<std::string_view> words;
  const char* error;
};

class ArgumentsRejected : public ::testing::TestWithParam<Rejected> {};

TEST_P(ArgumentsRejected, SayWhy) {
  const ParsedArguments parsed = parse(GetParam().words);
  EXPECT_FALSE(parsed.arguments);
  EXPECT_EQ(parsed.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Words, ArgumentsRejected,
    ::testing::Values(
        Rejected{{"--frob"}, "unknown option '--frob'"},
        Rejected{{"AKQ", "-q"}, "unknown option '-q'"}, Rejected{{"-AKQ"}, "unknown option '-AKQ'"},
        Rejected{{"--help=yes"}, "option '--help' takes no value"},
        Rejected{{"--batch", "--format"}, "option '--format' needs a value"},
        Rejected{{"--batch", "--format", "xml"}, "unknown format 'xml' (tsv, csv or jsonl)"},
        Rejected{{"--no-header", "AKQ"}, "--no-header only applies to --batch"},
        Rejected{{"--all-rooms"}, "--all-rooms only applies to --batch"},
        Rejected{{"--format=jsonl", "AKQ"}, "--format only applies to --batch"},
        Rejected{{"--explain"}, "--explain needs a hand"},
        Rejected{{"--explain", "--batch"}, "--explain cannot be used with --batch"},
        Rejected{{"--frob", "--help"}, "unknown option '--frob'"},
        Rejected{{"--deal"}, "option '--deal' needs a value"},
        Rejected{{"--deal", "0"}, "invalid number of deals '0' (1 to 1000000000)"},
        Rejected{{"--deal", "1000000001"},
                 "invalid number of deals '1000000001' (1 to 1000000000)"},
        Rejected{{"--deal", "+3"}, "invalid number of deals '+3' (1 to 1000000000)"},
        Rejected{{"--deal", "3x"}, "invalid number of deals '3x' (1 to 1000000000)"},
        Rejected{{"--deal", ""}, "invalid number of deals '' (1 to 1000000000)"},
        Rejected{{"--deal", "5", "--seed", "18446744073709551616"},
                 "invalid seed '18446744073709551616' (a whole number from 0 to "
                 "18446744073709551615)"},
        Rejected{{"--deal", "5", "--seed", "-1"},
                 "invalid seed '-1' (a whole number from 0 to "
                 "18446744073709551615)"},
        Rejected{{"--seed", "1"}, "--seed only applies to --deal"},
        Rejected{{"--deal", "5", "--batch"}, "--deal cannot be used with --batch"},
        Rejected{{"--deal", "5", "AKQ"}, "--deal takes no hand ('AKQ')"},
        Rejected{{"--deal", "5", "--explain"}, "--explain cannot be used with --deal"},
        Rejected{{"--deal", "5", "--format=csv"}, "--format only applies to --batch"},
        Rejected{{"--report", "out"}, "--report only applies to --study"},
        Rejected{{"--batch", "--cache", "c"}, "--cache only applies to --study"},
        Rejected{{"--study", "--batch"}, "--batch cannot be used with --study"},
        Rejected{{"--deals", "5", "--deal", "5"}, "--deal cannot be used with --study"},
        Rejected{{"--study", "--explain"}, "--explain cannot be used with --study"},
        Rejected{{"--deals", "5", "a.pbn"}, "--deals makes its deals: no FILE ('a.pbn')"},
        Rejected{{"--study", "a.pbn", "--seed", "3"}, "--seed only applies to --deal and --deals"},
        Rejected{{"--deals", "0"}, "invalid number of deals '0' (1 to 1000000000)"},
        Rejected{{"--study", "--report="}, "--report needs a folder"},
        Rejected{{"--study", "--cache="}, "--cache needs a file"}),
    [](const ::testing::TestParamInfo<Rejected>& param) { return wordsName(param.param.words); });

TEST(Arguments, BatchTakesCsvNoHeaderAndAllRooms) {
  const std::vector<std::string_view> words = {"--batch", "--format=csv", "--no-header",
                                               "--all-rooms", "a.txt"};
  const ParsedArguments parsed = parseArguments(words);
  ASSERT_TRUE(parsed.arguments) << parsed.error;
  EXPECT_EQ(parsed.arguments->format, BatchFormat::csv);
  EXPECT_FALSE(parsed.arguments->header);
  EXPECT_TRUE(parsed.arguments->allRooms);
  const ParsedArguments plain = parseArguments(std::vector<std::string_view>{"--batch"});
  EXPECT_TRUE(plain.arguments->header);
  EXPECT_FALSE(plain.arguments->allRooms);
}

TEST(Arguments, DealTakesItsCountAndSeed) {
  struct DealCase {
    std::vector<std::string_view> words;
    long count;
    std::optional<std::uint64_t> seed;
  };
  const DealCase cases[] = {
      {{"--deal", "1"}, 1, std::nullopt},
      {{"--deal=1000000000", "--seed", "0"}, 1'000'000'000, 0},
      {{"--seed=18446744073709551615", "--deal", "0040"}, 40, ~std::uint64_t{0}},
      {{"--deal", "3", "--quiet", "--deal", "7"}, 7, std::nullopt},
  };
  for (const DealCase& test : cases) {
    const ParsedArguments parsed = parseArguments(test.words);
    ASSERT_TRUE(parsed.arguments) << wordsName(test.words) << ": " << parsed.error;
    EXPECT_EQ(parsed.arguments->mode, Mode::deal) << wordsName(test.words);
    EXPECT_EQ(parsed.arguments->dealCount, test.count) << wordsName(test.words);
    EXPECT_EQ(parsed.arguments->seed, test.seed) << wordsName(test.words);
  }
}

TEST(Arguments, StudyTakesFilesOrRandomDealsWithReportAndCache) {
  const std::vector<std::string_view> files = {"--study", "a.pbn", "--cache", "c.tricks", "b.lin"};
  const ParsedArguments read = parseArguments(files);
  ASSERT_TRUE(read.arguments) << read.error;
  EXPECT_EQ(read.arguments->mode, Mode::study);
  EXPECT_EQ(read.arguments->words, (std::vector<std::string>{"a.pbn", "b.lin"}));
  EXPECT_EQ(read.arguments->study.randomDeals, 0);
  EXPECT_EQ(read.arguments->study.cachePath, "c.tricks");
  EXPECT_FALSE(read.arguments->study.reportDir);

  const std::vector<std::string_view> random = {"--deals=400", "--seed", "9", "--report", "out"};
  const ParsedArguments made = parseArguments(random);
  ASSERT_TRUE(made.arguments) << made.error;
  EXPECT_EQ(made.arguments->mode, Mode::study);
  EXPECT_EQ(made.arguments->study.randomDeals, 400);
  EXPECT_EQ(made.arguments->seed, 9u);
  EXPECT_EQ(made.arguments->study.reportDir, "out");
}

TEST(IsOption, HyphenWordsAreVoidMarks) {
  for (const std::string_view word : {"-", "--", "---", "- AKQ", "-- x", "", "AKQ", "?", "a-b"}) {
    EXPECT_FALSE(isOption(word)) << word;
  }
  for (const std::string_view word : {"--batch", "-q", "-x", "---x", "-1"}) {
    EXPECT_TRUE(isOption(word)) << word;
  }
}

TEST(UsageText, ListsEveryOptionWithinEightyColumns) {
  const std::string usage = usageText();
  for (const char* option : {"--explain", "--batch", "--format", "--no-header", "--all-rooms",
                             "--deal", "--seed", "--quiet", "--help", "--version"}) {
    EXPECT_NE(usage.find(std::string("\n  ") + option), std::string::npos) << option;
  }
  std::size_t start = 0;
  while (start < usage.size()) {
    const std::size_t end = usage.find('\n', start);
    EXPECT_LE(end - start, 80u) << usage.substr(start, end - start);
    start = end + 1;
  }
}

}  // namespace
}  // namespace bidgauge
