#include "batch/batch.hpp"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "batch/row_format.hpp"
#include "support/hand_text.hpp"
#include "support/memory_file.hpp"

namespace bidgauge {
namespace {

using testing_support::InputText;
using testing_support::OutputCapture;

struct BatchRun {
  ExitStatus status = ExitStatus::failed;
  std::string out;
  std::string err;
};

BatchRun runOn(const std::string& input, std::vector<std::string> files = {},
               BatchFormat format = BatchFormat::tsv, bool header = true, bool allRooms = false) {
  InputText in(input);
  OutputCapture out;
  OutputCapture err;
  BatchRun run;
  run.status =
      runBatch({format, std::move(files), header, allRooms}, {in.file(), out.file(), err.file()});
  run.out = out.text();
  run.err = err.text();
  return run;
}

std::string body(const BatchRun& run) {
  EXPECT_EQ(run.out.substr(0, kTsvHeader.size()), kTsvHeader);
  return run.out.substr(kTsvHeader.size());
}

// The hand column of every row.
std::vector<std::string> handsOf(const std::string& rows) {
  std::vector<std::string> hands;
  std::size_t start = 0;
  while (start < rows.size()) {
    const std::size_t end = rows.find('\n', start);
    const std::string row = rows.substr(start, end - start);
    const std::size_t first = row.find('\t');
    const std::size_t second = row.find('\t', first + 1);
    const std::size_t third = row.find('\t', second + 1);
    hands.push_back(row.substr(0, second) + "|" + row.substr(second + 1, third - second - 1));
    start = end + 1;
  }
  return hands;
}

std::filesystem::path writeFile(const std::string& name, const std::string& text) {
  const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(Batch, EvaluatesEveryValidLineInOrderAndReportsTheOthers) {
  const BatchRun run = runOn(
      "AKT9xx -- QJxxx  T2\n"
      "# a comment\n"
      "\n"
      "   KQ7543.QT2.A.J98 \t\r\n"
      "AKQ\n"
      "KQ7543..AQJT2.J9\n"
      "zz\n"
      "\t\r\n"
      "AKQJT98765432 - - x\n"
      "xxx xxx xxx xxxx");
  EXPECT_EQ(run.status, ExitStatus::invalidLines);
  EXPECT_EQ(handsOf(body(run)),
            (std::vector<std::string>{"\t|AKT9xx - QJxxx T2", "\t|KQ7543 QT2 A J98",
                                      "\t|KQ7543 - AQJT2 J9", "\t|xxx xxx xxx xxxx"}));
  EXPECT_EQ(run.err,
            "<stdin>:5: The hand has only 3 cards\n"
            "<stdin>:7: unexpected character 'z' at position 1\n"
            "<stdin>:9: The hand already has 13 cards\n");
}

TEST(Batch, AllValidInputEndsWithStatusZero) {
  const BatchRun run = runOn("KQ7543 QT2 A J98\n");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(body(run),
            "\t\tKQ7543 QT2 A J98\t12.35\t1\t28\t1\t11\tordinary\t1\t2.5\t1\t12\t<stdin>:1\n");
  EXPECT_EQ(run.err, "");
}

TEST(Batch, EmptyInputGivesTheHeaderOnly) {
  const BatchRun run = runOn("");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.out, kTsvHeader);
  EXPECT_EQ(runOn("", {}, BatchFormat::jsonl).out, "");
}

TEST(Batch, JsonLinesHaveOneObjectPerHand) {
  const BatchRun run = runOn("KQ7543 QT2 A J98\nbad\n- AKQJ5 KQJ32 AQ2\n", {}, BatchFormat::jsonl);
  EXPECT_EQ(run.status, ExitStatus::invalidLines);
  EXPECT_EQ(run.out,
            R"({"board":null,"seat":null,"hand":"KQ7543 QT2 A J98","knr":12.35,"knr_opens":true,)"
            R"("zar":28,"zar_opens":true,"kleinman":11,"kleinman_quality":"ordinary",)"
            R"("kleinman_opens":true,"honor_tricks":2.5,"honor_tricks_opens":true,"hcp":12,)"
            R"("source":"<stdin>:1"})"
            "\n"
            R"({"board":null,"seat":null,"hand":"- AKQJ5 KQJ32 AQ2","knr":25.30,"knr_opens":true,)"
            R"("zar":43,"zar_opens":true,"kleinman":23,"kleinman_quality":"bad",)"
            R"("kleinman_opens":true,"honor_tricks":5,"honor_tricks_opens":true,"hcp":22,)"
            R"("source":"<stdin>:3"})"
            "\n");
}

constexpr const char* kPbn =
    "% PBN 2.1\n"
    "[Event \"Club night\"]\n"
    "[Board \"7\"]\n"
    "[Dealer \"E\"]\n"
    "[Deal \"E:AKQJ.T98.765.432 T98.765.432.AKQJ 765.432.AKQJ.T98 432.AKQJ.T98.765\"]\n"
    "[Auction \"E\"]\n"
    "1S Pass 2H Pass\n"
    "{ a comment }\n"
    "\n"
    "[Board \"8\"]\n"
    "[Deal \"N:AKQJ.T98.765.432 - - 432.AKQJ.T98.76\"]\n"
    "\n"
    "[Deal \"S:- AKQJ.T98.765.432 - -\"]\n"
    "[Board \"9\"]\n"
    "[Board \"10\"]\n"
    "[Deal \"N:AKQJ.T98.765.432 - - -\"]\n"
    "[Deal \"X:AKQJ.T98.765.432 - - -\"]\n"
    "[Deal \"N:AKQJ.T98.765.432 - -\"]\n"
    "[Deal N:AKQJ.T98.765.432 - - -]\n"
    "[Board \"x1\"]\n"
    "[Deal \"N:AKQJ.T98.765.432 - - -\"]\n";

TEST(BatchPbn, GivesARowPerSeatOfEachDealWithItsBoard) {
  const BatchRun run = runOn(kPbn);
  EXPECT_EQ(run.status, ExitStatus::invalidLines);
  EXPECT_EQ(handsOf(body(run)), (std::vector<std::string>{
                                    "7\tE|AKQJ T98 765 432",
                                    "7\tS|T98 765 432 AKQJ",
                                    "7\tW|765 432 AKQJ T98",
                                    "7\tN|432 AKQJ T98 765",
                                    "8\tN|AKQJ T98 765 432",
                                    "9\tW|AKQJ T98 765 432",  // the board given after the deal
                                    "10\tN|AKQJ T98 765 432",
                                    "\tN|AKQJ T98 765 432",
                                }));
  EXPECT_EQ(run.err,
            "<stdin>:11: seat W: The hand has only 12 cards\n"
            "<stdin>:17: malformed Deal tag: it must start with N:, E:, S: or W:\n"
            "<stdin>:18: malformed Deal tag: 3 hands instead of 4\n"
            "<stdin>:19: malformed Deal tag\n"
            "<stdin>:20: malformed Board tag: \"x1\" is no board number\n");
}

struct PbnCase {
  const char* what;
  std::string input;
  std::vector<std::string> hands;
  std::string err;
};

TEST(BatchPbn, CommentsDirectivesAndTagsOverLines) {
  const std::string deal = "[Deal \"N:AKQJ.T98.765.432 - - -\"]\n";
  const std::vector<std::string> boardOne = {"1\tN|AKQJ T98 765 432"};
  std::string filler;
  while (filler.size() < 5000) filler += std::string(50, 'f') + "\n";
  const PbnCase cases[] = {
      {"a tag in a ; comment between real ones", "[Board \"1\"]\n; [Board \"7\"]\n" + deal,
       boardOne, ""},
      {"a { comment closed on a line that starts with %",
       "{ a comment\n% goes on } [Board \"1\"]\n" + deal, boardOne, ""},
      {"an unclosed tag given up after 4 KB",
       "[Deal \"N:AKQJ\n" + filler + "[Board \"1\"]\n" + deal, boardOne,
       "<stdin>:1: malformed Deal tag\n"},
      {"tags on the last line of a tag over two lines",
       "[Board \"1\"] [Deal \"N:AKQJ.T98.765.432\n - - -\"] [Board \"x\"] [Deal \"Y:\"]\n",
       boardOne,
       "<stdin>:2: malformed Board tag: \"x\" is no board number\n"
       "<stdin>:2: malformed Deal tag: it must start with N:, E:, S: or W:\n"},
      {"an error in a tag over two lines",
       "[Deal \"Y:AKQJ.T98.765.432\n - - -\"]\n",
       {},
       "<stdin>:1: malformed Deal tag: it must start with N:, E:, S: or W:\n"
       "bidgauge: warning: no hand found\n"},
  };
  for (const PbnCase& test : cases) {
    const BatchRun run = runOn(test.input);
    EXPECT_EQ(handsOf(body(run)), test.hands) << test.what;
    EXPECT_EQ(run.err, test.err) << test.what;
  }
}

TEST(BatchPbn, DealTagsAmongTypedHandsKeepTheirPlace) {
  const BatchRun run = runOn(
      "KQ7543 QT2 A J98\n"
      "[Deal \"N:AKQJ.T98.765.432 - - -\"]\n"
      "- AKQJ5 KQJ32 AQ2\n");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(handsOf(body(run)),
            (std::vector<std::string>{"\t|KQ7543 QT2 A J98", "\tN|AKQJ T98 765 432",
                                      "\t|- AKQJ5 KQJ32 AQ2"}));
}

// Plain hand lines are held and written in batches; lines that take the
// slower way (a blank at an end, a deal, an error) must not overtake them.
TEST(BatchOrder, RowsFollowTheLinesAcrossHeldBatches) {
  std::string input;
  std::vector<std::string> expected;
  for (int line = 1; line <= 300; ++line) {
    if (line % 97 == 0) {
      input += "[Deal \"N:AKQJ.T98.765.432 - - -\"]\n";
      expected.push_back("\tN|AKQJ T98 765 432");
    } else if (line % 11 == 0) {
      input += "AKQ\n";  // too few cards: an error, no row
    } else if (line % 7 == 0) {
      input += "  - AKQJ5 KQJ32 AQ2\n";
      expected.push_back("\t|- AKQJ5 KQJ32 AQ2");
    } else {
      input += "KQ7543 QT2 A J98\n";
      expected.push_back("\t|KQ7543 QT2 A J98");
    }
  }
  const BatchRun run = runOn(input);
  EXPECT_EQ(run.status, ExitStatus::invalidLines);
  EXPECT_EQ(handsOf(body(run)), expected);
  // Every row names its own line, in order.
  long previous = 0;
  for (std::size_t at = 0; (at = run.out.find("<stdin>:", at)) != std::string::npos;) {
    const long line = std::stol(run.out.substr(at + 8));
    EXPECT_GT(line, previous);
    previous = line;
    at += 8;
  }
}

TEST(BatchDeals, AFullDealOfSpotCardsGivesItsFourHands) {
  const BatchRun run =
      runOn("N:AKQx.xxx.xxx.xxx Jxx.AKQx.xxx.xxx Txx.Jxx.AKQx.xxx 9xx.Txx.Jxx.AKQx\n");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(handsOf(body(run)),
            (std::vector<std::string>{"\tN|AKQx xxx xxx xxx", "\tE|Jxx AKQx xxx xxx",
                                      "\tS|Txx Jxx AKQx xxx", "\tW|9xx Txx Jxx AKQx"}));
  EXPECT_EQ(run.err, "");
}

// Each line end counts once, whichever kind it is.
TEST(BatchLines, LineNumbersCountEveryKindOfLineEnd) {
  const BatchRun run = runOn("AKQ\r\nAKQ\rAKQ\n\rAKQ");
  EXPECT_EQ(run.err,
            "<stdin>:1: The hand has only 3 cards\n<stdin>:2: The hand has only 3 cards\n"
            "<stdin>:3: The hand has only 3 cards\n<stdin>:5: The hand has only 3 cards\n"
            "bidgauge: warning: no hand found\n");
}

// Deal N (from 1) of a tournament: the hands of kDealFromSouth, turned N seats.
std::string linRecord(int board) {
  const std::string hands[] = {"SAKQJHT98D765C432", "ST98H765D432CAKQJ", "S765H432DAKQJCT98",
                               "S432HAKQJDT98C765"};
  std::string record = "pn|south,west,north,east|st||md|3";
  for (int seat = 0; seat < 4; ++seat) {
    record += hands[(seat + board) % 4] + (seat < 3 ? "," : "");
  }
  return record + "|rh||ah|Board " + std::to_string(board) + "|sv|o|mb|p|mb|p|mb|p|mb|p|pg||nt|" +
         std::string(300, 'n') + "|pg||";
}

// A tournament's single-deal files glued into one line of 380 KB.
TEST(BatchLin, EveryDealOfALineOfAnyLength) {
  std::string line;
  int boards = 0;
  while (line.size() < 380000) line += linRecord(++boards);
  const BatchRun run = runOn(line + "\r\n" + linRecord(1) + "\nAKQ\n");
  EXPECT_EQ(run.status, ExitStatus::invalidLines);
  EXPECT_EQ(run.err, "<stdin>:3: The hand has only 3 cards\n");
  const std::vector<std::string> rows = handsOf(body(run));
  ASSERT_EQ(rows.size(), 4u * static_cast<std::size_t>(boards + 1));
  for (int board = 1; board <= boards; ++board) {
    EXPECT_EQ(
        rows[4 * static_cast<std::size_t>(board - 1)].substr(0, 3 + std::to_string(board).size()),
        std::to_string(board) + "\tS|");
  }
  EXPECT_EQ(rows.back(), "1\tE|AKQJ T98 765 432");
  EXPECT_NE(run.out.find("<stdin>:2\n"), std::string::npos);
}

TEST(BatchLin, TheRoomsOfAMatchInFilesOfTheirOwn) {
  const auto open =
      writeFile("open.lin", "qx|o1|" + linRecord(1) + "\nqx|o2|" + linRecord(2) + "\n");
  const auto closed = writeFile("closed.lin", "qx|c1|" + linRecord(1) + "\nqx|c2|" + linRecord(2));
  EXPECT_EQ(handsOf(body(runOn("", {open.string(), closed.string()}))).size(), 8u);
  EXPECT_EQ(handsOf(body(runOn("", {open.string(), closed.string()}, BatchFormat::tsv, true, true)))
                .size(),
            16u);
}

// AddressSanitizer's own bookkeeping grows the peak with every allocation,
// whatever the reader keeps.
#ifdef __SANITIZE_ADDRESS__
constexpr bool kPeakMemoryIsTheProgramsOwn = false;
#else
constexpr bool kPeakMemoryIsTheProgramsOwn = true;
#endif

// A stream of LIN records with no line end: `size` bytes of them.
class EndlessLinLine {
 public:
  explicit EndlessLinLine(std::size_t size) : left_(size) {}
  std::FILE* open() {
    cookie_io_functions_t functions{};
    functions.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
      return static_cast<ssize_t>(static_cast<EndlessLinLine*>(cookie)->read(buffer, size));
    };
    return fopencookie(this, "r", functions);
  }

 private:
  std::size_t read(char* buffer, std::size_t size) {
    std::size_t given = 0;
    while (given < size && left_ != 0) {
      if (at_ == record_.size()) {
        record_ = linRecord(++board_ % 1000 + 1);
        at_ = 0;
      }
      buffer[given++] = record_[at_++];
      --left_;
    }
    return given;
  }

  std::size_t left_;
  std::string record_;
  std::size_t at_ = 0;
  int board_ = 0;
};

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Reading a LIN line of 16 MB takes no more memory than reading one of 1 MB.
TEST(BatchLin, ALongLineTakesNoMoreMemory) {
  if (!kPeakMemoryIsTheProgramsOwn) GTEST_SKIP() << "peak memory is the sanitizer's here";
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    const auto readLine = [](std::size_t size) {
      EndlessLinLine line(size);
      std::FILE* in = line.open();
      std::FILE* out = std::fopen("/dev/null", "w");
      runBatch({BatchFormat::tsv, {}, false}, {in, out, out});
      std::fclose(in);
      std::fclose(out);
    };
    readLine(std::size_t{1} << 20);
    const long before = peakKilobytes();
    readLine(std::size_t{1} << 24);
    _exit(peakKilobytes() - before < 4096 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(BatchFiles, AreReadInTurnAndNamedInMessages) {
  const auto first = writeFile("first.txt", "KQ7543 QT2 A J98\nAKQ\n");
  const auto second = writeFile("second.pbn", "[Deal \"N:AKQJ.T98.765.432 - - -\"]\n");
  const BatchRun run = runOn("- AKQJ5 KQJ32 AQ2\n", {first.string(), "-", second.string()});
  EXPECT_EQ(run.status, ExitStatus::invalidLines);
  EXPECT_EQ(handsOf(body(run)),
            (std::vector<std::string>{"\t|KQ7543 QT2 A J98", "\t|- AKQJ5 KQJ32 AQ2",
                                      "\tN|AKQJ T98 765 432"}));
  EXPECT_EQ(run.err, first.string() + ":2: The hand has only 3 cards\n");
}

TEST(BatchFiles, AMissingFileFailsButTheOthersAreStillRead) {
  const auto present = writeFile("present.txt", "KQ7543 QT2 A J98\n");
  const std::string missing =
      (std::filesystem::path(::testing::TempDir()) / "missing.txt").string();
  const BatchRun run = runOn("", {missing, present.string()});
  EXPECT_EQ(run.status, ExitStatus::failed);
  EXPECT_EQ(handsOf(body(run)), (std::vector<std::string>{"\t|KQ7543 QT2 A J98"}));
  EXPECT_EQ(run.err, "bidgauge: " + missing + ": No such file or directory\n");
}

TEST(BatchFiles, ADirectoryCannotBeRead) {
  const BatchRun run = runOn("", {::testing::TempDir()});
  EXPECT_EQ(run.status, ExitStatus::failed);
  EXPECT_NE(run.err.find("Is a directory"), std::string::npos) << run.err;
}

TEST(BatchFiles, OverlongLinesAreReportedAndSkipped) {
  const BatchRun run = runOn(std::string(200000, 'A') + "\nKQ7543 QT2 A J98\n");
  EXPECT_EQ(run.status, ExitStatus::invalidLines);
  EXPECT_EQ(run.err, "<stdin>:1: line too long\n");
  EXPECT_EQ(handsOf(body(run)), (std::vector<std::string>{"\t|KQ7543 QT2 A J98"}));
}

TEST(BatchOutput, CsvQuotesOnlyWhatNeedsIt) {
  const auto file = writeFile("club, \"spring\".txt", "KQ7543 QT2 A J98\n");
  const BatchRun run = runOn("", {file.string()}, BatchFormat::csv);
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.out,
            "board,seat,hand,knr,knr_opens,zar,zar_opens,kleinman,kleinman_quality,"
            "kleinman_opens,honor_tricks,honor_tricks_opens,hcp,source\r\n"
            ",,KQ7543 QT2 A J98,12.35,1,28,1,11,ordinary,1,2.5,1,12,\"" +
                file.parent_path().string() + "/club, \"\"spring\"\".txt:1\"\r\n");
}

TEST(BatchOutput, CsvQuotesAFileNameWithALineBreak) {
  const auto file = writeFile("club\nnight.txt", "KQ7543 QT2 A J98\n");
  const BatchRun run = runOn("", {file.string()}, BatchFormat::csv, false);
  EXPECT_EQ(run.out, ",,KQ7543 QT2 A J98,12.35,1,28,1,11,ordinary,1,2.5,1,12,\"" +
                         file.parent_path().string() + "/club\nnight.txt:1\"\r\n");
}

TEST(BatchOutput, NoHeaderLeavesOutTheColumnNames) {
  const std::string input = "KQ7543 QT2 A J98\n";
  const std::string withHeader = runOn(input).out;
  EXPECT_EQ(runOn(input, {}, BatchFormat::tsv, false).out, withHeader.substr(kTsvHeader.size()));
  const std::string csv = runOn(input, {}, BatchFormat::csv, false).out;
  EXPECT_EQ(csv, ",,KQ7543 QT2 A J98,12.35,1,28,1,11,ordinary,1,2.5,1,12,<stdin>:1\r\n");
}

TEST(BatchOutput, TheSourceOfEachRowCountsLinesAcrossDigitChanges) {
  std::string input;
  for (int line = 1; line <= 1000; ++line) input += line % 7 == 0 ? "\n" : "KQ7543 QT2 A J98\n";
  const BatchRun run = runOn(input, {}, BatchFormat::jsonl);
  std::size_t rows = 0;
  for (int line = 1; line <= 1000; ++line) {
    if (line % 7 == 0) continue;
    const std::string source = "\"source\":\"<stdin>:" + std::to_string(line) + "\"}\n";
    const std::size_t at = run.out.find(source);
    ASSERT_NE(at, std::string::npos) << line;
    EXPECT_GT(at, rows);
    rows = at;
  }
}

TEST(BatchOutput, ARunWithoutAnyHandWarns) {
  const BatchRun run = runOn("# nothing here\n\n[Event \"x\"]\n");
  EXPECT_EQ(run.status, ExitStatus::ok);
  EXPECT_EQ(run.err, "bidgauge: warning: no hand found\n");
  EXPECT_EQ(runOn("AKQ\n").err,
            "<stdin>:1: The hand has only 3 cards\nbidgauge: warning: no hand found\n");
}

TEST(BatchOutput, AWriteErrorFails) {
  InputText in("KQ7543 QT2 A J98\n");
  std::FILE* full = std::fopen("/dev/full", "wb");
  ASSERT_NE(full, nullptr);
  OutputCapture err;
  EXPECT_EQ(runBatch({BatchFormat::tsv, {}}, {in.file(), full, err.file()}), ExitStatus::failed);
  EXPECT_EQ(err.text(), "bidgauge: cannot write the output: No space left on device\n");
  std::fclose(full);
}

TEST(BatchOutput, LargeInputComesOutWhole) {
  std::string input;
  const std::string hands[] = {"KQ7543 QT2 A J98", "AKT9xx..QJxxx.T2", "- AKQJ5 KQJ32 AQ2"};
  constexpr int kLines = 60000;
  for (int i = 0; i < kLines; ++i) input += hands[i % 3] + "\n";
  const BatchRun run = runOn(input);
  EXPECT_EQ(run.status, ExitStatus::ok);
  const std::vector<std::string> rows = handsOf(body(run));
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kLines));
  EXPECT_EQ(rows[kLines - 2], "\t|AKT9xx - QJxxx T2");
}

}  // namespace
}  // namespace bidgauge
