// Batch input as players have it: the small files in data/, one per PBN case
// and per form of deal or hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/batch.hpp"
#include "support/memory_file.hpp"

namespace bidgauge {
namespace {

using testing_support::InputText;
using testing_support::OutputCapture;

const std::string kData = BIDGAUGE_CLI_TEST_DATA;

struct FileRun {
  ExitStatus status = ExitStatus::failed;
  std::vector<std::string> rows;  // "board seat hand hcp @line" of each row
  std::string err;                // with the data folder left out of names
};

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) parts.push_back(text.substr(start));
  return parts;
}

std::string withoutFolder(std::string text) {
  for (std::size_t at; (at = text.find(kData + "/")) != std::string::npos;) {
    text.erase(at, kData.size() + 1);
  }
  return text;
}

FileRun runFile(const std::string& name, bool allRooms = false) {
  InputText in("");
  OutputCapture out;
  OutputCapture err;
  FileRun run;
  run.status = runBatch({BatchFormat::tsv, {kData + "/" + name}, false, allRooms},
                        {in.file(), out.file(), err.file()});
  for (const std::string& row : split(out.text(), '\n')) {
    const std::vector<std::string> f = split(row, '\t');
    EXPECT_EQ(f.size(), 14u) << row;
    if (f.size() != 14) continue;
    const std::string source = withoutFolder(f[13]);
    EXPECT_EQ(source.substr(0, name.size() + 1), name + ":") << source;
    run.rows.push_back(f[0] + " " + f[1] + " " + f[2] + " " + f[12] + " @" +
                       source.substr(name.size() + 1));
  }
  run.err = withoutFolder(err.text());
  return run;
}

// The deal every file uses: each seat holds a suit's four honours.
const std::vector<std::string> kDealFromNorth = {"N AKQJ T98 765 432 10", "E T98 765 432 AKQJ 10",
                                                 "S 765 432 AKQJ T98 10", "W 432 AKQJ T98 765 10"};

std::vector<std::string> dealRows(const std::string& board, const std::string& line,
                                  const std::vector<std::string>& seats = kDealFromNorth) {
  std::vector<std::string> rows;
  for (const std::string& seat : seats) rows.push_back(board + " " + seat + " @" + line);
  return rows;
}

TEST(PbnFile, CommentsDirectivesAndSeveralTagsOnALine) {
  const FileRun run = runFile("pbn/comments.pbn");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.rows, dealRows("1", "6"));
  EXPECT_EQ(run.err, "");
}

TEST(PbnFile, AByteOrderMarkAndCrlfLineEnds) {
  const FileRun run = runFile("pbn/bom_crlf.pbn");
  EXPECT_EQ(run.status, ExitStatus::ok);
  std::vector<std::string> expected = dealRows("3", "2");
  expected.push_back("4 N 432 AKQJ T98 765 10 @5");
  EXPECT_EQ(run.rows, expected);
  EXPECT_EQ(run.err, "");
}

TEST(PbnFile, CarriageReturnsAloneEndLines) {
  const FileRun run = runFile("pbn/cr_only.pbn");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.rows, dealRows("1", "3"));
  EXPECT_EQ(run.err, "");
}

TEST(PbnFile, ATagMayGoOnOverLines) {
  const FileRun run = runFile("pbn/tag_over_lines.pbn");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.rows, dealRows("5", "2"));
  EXPECT_EQ(run.err, "");
}

TEST(PbnFile, BoardHashIsThePreviousBoard) {
  const FileRun run = runFile("pbn/board_hash.pbn");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.rows, (std::vector<std::string>{"12 N AKQJ T98 765 432 10 @2",
                                                "12 E T98 765 432 AKQJ 10 @5"}));
}

TEST(PbnFile, DealOrBoardInAnotherCaseIsWarnedAboutAndPassedOver) {
  const FileRun run = runFile("pbn/tag_case.pbn");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_TRUE(run.rows.empty());
  EXPECT_EQ(run.err,
            "pbn/tag_case.pbn:1: warning: tag \"deal\" passed over: tag names are case-sensitive\n"
            "pbn/tag_case.pbn:2: warning: tag \"BOARD\" passed over: tag names are "
            "case-sensitive\n"
            "bidgauge: warning: no hand found\n");
}

TEST(PbnFile, ACardInTwoHandsLosesTheWholeDeal) {
  const FileRun run = runFile("pbn/card_twice.pbn");
  EXPECT_EQ(run.status, ExitStatus::invalidLines);
  EXPECT_EQ(run.rows,
            (std::vector<std::string>{"2 N AKQJ T98 765 432 10 @5", "2 W 432 AKQJ T98 765 10 @5"}));
  EXPECT_EQ(run.err, "pbn/card_twice.pbn:2: the Ace of Spades is in both N and E\n");
}

TEST(PbnFile, AFullDealWithACardMissingLosesTheWholeDeal) {
  const FileRun run = runFile("pbn/card_missing.pbn");
  EXPECT_EQ(run.status, ExitStatus::invalidLines);
  EXPECT_TRUE(run.rows.empty());
  EXPECT_EQ(run.err,
            "pbn/card_missing.pbn:2: seat W: The hand has only 12 cards\n"
            "pbn/card_missing.pbn:2: the Five of Clubs is in none of N, E, S and W\n"
            "bidgauge: warning: no hand found\n");
}

TEST(PbnFile, APartialDealGivesTheHandsItKnows) {
  const FileRun run = runFile("pbn/partial.pbn");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.rows, (std::vector<std::string>{"6 E AKQJ T98 765 432 10 @2"}));
}

TEST(DealForms, GeneratorLinesWithAndWithoutANumber) {
  const FileRun run = runFile("forms/generator.txt");
  EXPECT_EQ(run.status, ExitStatus::ok);
  std::vector<std::string> expected = dealRows("", "1");
  for (const std::string& row : dealRows("7", "2")) expected.push_back(row);
  EXPECT_EQ(run.rows, expected);
}

TEST(DealForms, DealStringsStartAtTheirSeat) {
  const FileRun run = runFile("forms/deal_strings.txt");
  EXPECT_EQ(run.status, ExitStatus::ok);
  std::vector<std::string> expected = dealRows("", "1");
  expected.push_back(" W AKQJ T98 765 432 10 @2");
  EXPECT_EQ(run.rows, expected);
}

TEST(DealForms, LinDealsFromSouthAndTheFourthHandLeftOut) {
  const FileRun run = runFile("forms/lin.txt");
  EXPECT_EQ(run.status, ExitStatus::ok);
  const std::vector<std::string> fromSouth = {"S AKQJ T98 765 432 10", "W T98 765 432 AKQJ 10",
                                              "N 765 432 AKQJ T98 10", "E 432 AKQJ T98 765 10"};
  std::vector<std::string> expected = dealRows("", "1", fromSouth);
  for (const std::string& row : dealRows("7", "2", fromSouth)) expected.push_back(row);
  EXPECT_EQ(run.rows, expected);
}

const std::vector<std::string> kDealFromSouth = {"S AKQJ T98 765 432 10", "W T98 765 432 AKQJ 10",
                                                 "N 765 432 AKQJ T98 10", "E 432 AKQJ T98 765 10"};
const std::vector<std::string> kDealFromWest = {"S T98 765 432 AKQJ 10", "W 765 432 AKQJ T98 10",
                                                "N 432 AKQJ T98 765 10", "E AKQJ T98 765 432 10"};

std::vector<std::string> joined(std::vector<std::string> first,
                                const std::vector<std::string>& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

// Single-deal files glued together: one line, no line feed at its end.
TEST(LinFile, EveryDealOfAGluedLine) {
  const FileRun run = runFile("lin/glued.lin");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.rows,
            joined(dealRows("1", "1", kDealFromSouth), dealRows("2", "1", kDealFromWest)));
  EXPECT_EQ(run.err, "");
}

TEST(LinFile, TheBoardOfAQxField) {
  const FileRun run = runFile("lin/room_board.lin");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.rows, dealRows("5", "1", kDealFromSouth));
}

TEST(LinFile, TheOtherRoomsDealOnceUnlessAllRoomsAreAskedFor) {
  EXPECT_EQ(runFile("lin/two_rooms.lin").rows, dealRows("4", "1", kDealFromSouth));
  const FileRun all = runFile("lin/two_rooms.lin", true);
  EXPECT_EQ(all.status, ExitStatus::ok);
  EXPECT_EQ(all.rows,
            joined(dealRows("4", "1", kDealFromSouth), dealRows("4", "1", kDealFromSouth)));
}

TEST(LinFile, CarriageReturnsAloneEndLines) {
  const FileRun run = runFile("lin/cr_only.lin");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.rows,
            joined(dealRows("1", "1", kDealFromSouth), dealRows("2", "2", kDealFromWest)));
}

std::vector<std::string> sameHandRows(int lines) {
  std::vector<std::string> rows;
  for (int line = 1; line <= lines; ++line) {
    rows.push_back("  AKT98 Q72 KJ4 32 13 @" + std::to_string(line));
  }
  return rows;
}

TEST(HandForms, SuitLabelsAndSymbolsInAnyOrder) {
  const FileRun run = runFile("forms/labelled.txt");
  EXPECT_EQ(run.status, ExitStatus::invalidLines);
  EXPECT_EQ(run.rows, sameHandRows(6));
  EXPECT_EQ(run.err, "forms/labelled.txt:7: the Spades are given twice, at position 26\n");
}

TEST(HandForms, TenAsTwoDigitsAndTabsAsBlanks) {
  const FileRun run = runFile("forms/tens_and_tabs.txt");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.rows, sameHandRows(5));
  EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace bidgauge
