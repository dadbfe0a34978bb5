// The installed program's streams and exit statuses, run as a separate process.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "run_program.hpp"

namespace bidgauge {
namespace {

using testing_support::ProgramRun;

ProgramRun run(const std::vector<std::string>& arguments, const std::string& input = {}) {
  return testing_support::runProgram(BIDGAUGE_PROGRAM, arguments, input);
}

struct Case {
  const char* name;
  std::vector<std::string> arguments;
  int status;
  const char* outStart;  // what standard output starts with
  const char* err;       // all of standard error
};

class Program : public ::testing::TestWithParam<Case> {};

TEST_P(Program, WritesItsStreamsAndExits) {
  const Case& expected = GetParam();
  const ProgramRun result = run(expected.arguments);
  EXPECT_EQ(result.status, expected.status);
  EXPECT_EQ(result.out.substr(0, std::string(expected.outStart).size()), expected.outStart)
      << result.out;
  if (std::string(expected.outStart).empty()) {
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(result.err, expected.err);
}

constexpr const char* kUsageHint = "Try 'bidgauge --help' for more information.\n";

INSTANTIATE_TEST_SUITE_P(
    Hands, Program,
    ::testing::Values(
        Case{"HelpPageExample",
             {"akt9xx", "--", "qjxxx", "", "t2"},
             0,
             "  Enter a hand:   AKT9xx - QJxxx T2\n\n        ┌",
             ""},
        Case{"SpadeVoid",
             {"-", "AKQJ5", "KQJ32", "AQ2"},
             0,
             "  Enter a hand:   - AKQJ5 KQJ32 AQ2\n",
             ""},
        Case{"OneWord", {"KQ7543 QT2 A J98"}, 0, "  Enter a hand:   KQ7543 QT2 A J98\n", ""},
        Case{"TenAsTwoDigits",
             {"AK1098", "Q72", "KJ4", "32"},
             0,
             "  Enter a hand:   AKT98 Q72 KJ4 32\n",
             ""},
        Case{"Quiet", {"--quiet", "KQ7543", "QT2", "A", "J98"}, 0, "  Enter a hand:", ""},
        Case{"TooManyCards",
             {"AKQJT98765432", "-", "-", "x"},
             2,
             "",
             "bidgauge: The hand already has 13 cards\n"},
        Case{"TooFewCards", {"akqjxxx"}, 2, "", "bidgauge: The hand has only 7 cards\n"},
        Case{"TooFewSuits", {"AKQJT9876", "5432"}, 2, "", "bidgauge: The hand has only 2 suits\n"},
        Case{"TooManySuits",
             {"AK", "QJ", "T9", "87", "6"},
             2,
             "",
             "bidgauge: The hand already has 4 suits\n"},
        Case{"Duplicate", {"AKQ", "AKQ", "AKxK"}, 2, "", "bidgauge: Duplicate King of Diamonds\n"},
        Case{"RefusedCharacter",
             {"akt9xx", "-", "qjxxz", "t2"},
             2,
             "",
             "bidgauge: unexpected character 'z' at position 14\n"},
        Case{"CommandKey",
             {"akt9xx", "-", "qjxxx", "e2"},
             2,
             "",
             "bidgauge: unexpected character 'e' at position 16\n"}),
    [](const ::testing::TestParamInfo<Case>& test) { return test.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Options, Program,
    ::testing::Values(
        Case{"Help", {"--help"}, 0, "Usage: bidgauge [--quiet]\n", ""},
        Case{"UnknownOption",
             {"--frob"},
             2,
             "",
             "bidgauge: unknown option '--frob'\nTry 'bidgauge --help' for more information.\n"},
        Case{"UnknownShortOption",
             {"AKQ", "-q"},
             2,
             "",
             "bidgauge: unknown option '-q'\nTry 'bidgauge --help' for more information.\n"},
        Case{"ExplainWithoutHand",
             {"--explain"},
             2,
             "",
             "bidgauge: --explain needs a hand\nTry 'bidgauge --help' for more information.\n"},
        Case{"BadFormat",
             {"--batch", "--format", "xml"},
             2,
             "",
             "bidgauge: unknown format 'xml' (tsv, csv or jsonl)\n"
             "Try 'bidgauge --help' for more information.\n"},
        Case{"BadDealCount",
             {"--deal", "many"},
             2,
             "",
             "bidgauge: invalid number of deals 'many' (1 to 1000000000)\n"
             "Try 'bidgauge --help' for more information.\n"},
        Case{"BadSeed",
             {"--deal", "5", "--seed", "0x10"},
             2,
             "",
             "bidgauge: invalid seed '0x10' (a whole number from 0 to 18446744073709551615)\n"
             "Try 'bidgauge --help' for more information.\n"},
        Case{"MissingFile",
             {"--batch", "/nonexistent/hands.txt"},
             2,
             "board\tseat\thand\t",
             "bidgauge: /nonexistent/hands.txt: No such file or directory\n"}),
    [](const ::testing::TestParamInfo<Case>& test) { return test.param.name; });

TEST(ProgramOptions, VersionIsOneLine) {
  const ProgramRun result = run({"--version"});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(std::regex_match(result.out, std::regex("bidgauge [0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << result.out;
}

TEST(ProgramOptions, KnownOptionsStayOutOfTheUsageHint) {
  EXPECT_EQ(run({"--help"}).out.find(kUsageHint), std::string::npos);
}

TEST(ProgramHelpWords, OpenTheInteractiveProgramWhichNeedsATerminal) {
  // Without a controlling terminal the interactive program cannot start; a
  // hand would have been evaluated instead.
  for (const char* word : {"?", "h", "H"}) {
    const ProgramRun result = run({word});
    EXPECT_EQ(result.status, 1) << word;
    EXPECT_EQ(result.out, "") << word;
    EXPECT_EQ(result.err.rfind("bidgauge: ", 0), 0u) << word << ": " << result.err;
  }
}

TEST(ProgramExplain, FollowsThePanelWithEachMethodsTerms) {
  const ProgramRun result = run({"--explain", "KQTxxxx", "Axx", "Tx", "x"});
  EXPECT_EQ(result.status, 0) << result.err;
  const std::string& out = result.out;
  const std::size_t panel = out.find("* opening count\n");
  const std::size_t knr = out.find("\nKnR Points: 14.10 *\n");
  const std::size_t zar = out.find("\nZar Points: 28 *\n");
  const std::size_t kleinman = out.find("\nKleinman Points: 10-\n");
  const std::size_t tricks = out.find("\nHonor Tricks: 2\n");
  EXPECT_LT(panel, knr);
  EXPECT_LT(knr, zar);
  EXPECT_LT(zar, kleinman);
  EXPECT_LT(kleinman, tricks);
  EXPECT_NE(tricks, std::string::npos) << out;
  EXPECT_NE(out.find("  ♠ K Q 10 x x x x    high cards K Q T, 5.5 x 7 / 10"), std::string::npos)
      << out;
  EXPECT_NE(out.find("total 30 / 3 = 10, remainder 0 (bad, -): 10-"), std::string::npos) << out;
  // The panel's spelling throughout.
  EXPECT_NE(out.find("honor value: King"), std::string::npos) << out;
  EXPECT_EQ(out.find("honour"), std::string::npos) << out;
}

TEST(ProgramExplain, InAnAsciiLocaleSpellsTheHalfOut) {
  const ProgramRun result = testing_support::runProgram(
      "/usr/bin/env", {"LANG=C", BIDGAUGE_PROGRAM, "--explain", "akt9xx", "--", "qjxxx", "t2"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("| Kleinman Points:  10+   |   |\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("| Honor Tricks:     2.5   | * |\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("\nHonor Tricks: 2.5 *\n"), std::string::npos) << result.out;
  EXPECT_EQ(result.out.find_first_of("\x80\xAB\xC2\xE2"), std::string::npos) << result.out;
}

TEST(ProgramBatch, PrintsEveryValidLineAndFailsForTheInvalidOnes) {
  const ProgramRun result = run({"--batch"}, "KQ7543 QT2 A J98\r\nnot a hand\nAKT9xx..QJxxx.T2\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out,
            "board\tseat\thand\tknr\tknr_opens\tzar\tzar_opens\tkleinman\tkleinman_quality\t"
            "kleinman_opens\thonor_tricks\thonor_tricks_opens\thcp\tsource\n"
            "\t\tKQ7543 QT2 A J98\t12.35\t1\t28\t1\t11\tordinary\t1\t2.5\t1\t12\t<stdin>:1\n"
            "\t\tAKT9xx - QJxxx T2\t15.95\t1\t29\t1\t10\tgood\t0\t2.5\t1\t10\t<stdin>:3\n");
  EXPECT_EQ(result.err, "<stdin>:2: unexpected character 'n' at position 1\n");
}

TEST(ProgramBatch, ReadsFilesAndStandardInputAsJsonLines) {
  const std::filesystem::path file = std::filesystem::path(::testing::TempDir()) / "deal.pbn";
  std::ofstream(file) << "[Board \"3\"]\n[Deal \"N:AKQJ.T98.765.432 - - -\"]\n";
  const ProgramRun result =
      run({"--batch", "--format=jsonl", file.string(), "-"}, "- AKQJ5 KQJ32 AQ2\n");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out.rfind("{\"board\":3,\"seat\":\"N\",\"hand\":\"AKQJ T98 765 432\",", 0), 0u)
      << result.out;
  EXPECT_NE(result.out.find("\n{\"board\":null,\"seat\":null,\"hand\":\"- AKQJ5 KQJ32 AQ2\","),
            std::string::npos)
      << result.out;
}

TEST(ProgramBatch, AMalformedPbnTagIsAnInvalidLine) {
  const ProgramRun result =
      run({"--batch"}, "[Deal \"N:AKQJ.T98.765.432 - -\"]\n[Deal \"N:AKQJ.T98.765.432 - - -\"]\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "<stdin>:1: malformed Deal tag: 3 hands instead of 4\n");
  EXPECT_NE(result.out.find("\n\tN\tAKQJ T98 765 432\t"), std::string::npos) << result.out;
}

TEST(ProgramBatch, AllRoomsGivesTheOtherRoomsDealToo) {
  const std::string room = "md|3SAKQJHT98D765C432,ST98H765D432CAKQJ,S765H432DAKQJCT98,|pg||";
  const std::string input = "qx|o1|" + room + "qx|c1|" + room + "\n";
  const auto rowsOf = [](const std::string& out) {
    return std::count(out.begin(), out.end(), '\n');
  };
  const ProgramRun once = run({"--batch", "--no-header"}, input);
  EXPECT_EQ(once.status, 0) << once.err;
  EXPECT_EQ(rowsOf(once.out), 4);
  EXPECT_EQ(once.out.rfind("1\tS\tAKQJ T98 765 432\t", 0), 0u) << once.out;
  const ProgramRun all = run({"--batch", "--no-header", "--all-rooms"}, input);
  EXPECT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(rowsOf(all.out), 8);
}

}  // namespace
}  // namespace bidgauge
