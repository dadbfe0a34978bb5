#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch.hpp"
#include "bidgauge/bidgauge.h"
#include "support/memory_file.hpp"

namespace bidgauge {
namespace {

// What bidgauge_read_lines handed back, in order.
struct Read {
  int status = -1;
  std::vector<bidgauge_row> rows;
  std::vector<std::string> messages;  // "LINE: message", or "LINE: warning: message"
  std::vector<std::string> events;    // "rows N" and "message", as they came
  int stopAfterBlocks = -1;
};

int onRows(void* context, const bidgauge_row* rows, size_t count) {
  auto& read = *static_cast<Read*>(context);
  for (const bidgauge_row& row : std::span(rows, count)) {
    const std::size_t length = std::strlen(row.hand_text);
    EXPECT_EQ(std::string(row.hand_text + length, sizeof row.hand_text - length),
              std::string(sizeof row.hand_text - length, '\0'))
        << "all NUL after the text";
  }
  read.rows.insert(read.rows.end(), rows, rows + count);
  read.events.push_back("rows " + std::to_string(count));
  return --read.stopAfterBlocks == 0 ? 1 : 0;
}

int onMessage(void* context, int64_t line, int kind, const char* message, size_t length) {
  auto& read = *static_cast<Read*>(context);
  EXPECT_EQ(message[length], '\0');
  const char* warning = kind == BIDGAUGE_LINE_WARNING ? "warning: " : "";
  read.messages.push_back(std::to_string(line) + ": " + warning + std::string(message, length));
  read.events.push_back("message");
  return 0;
}

Read readLines(std::string_view text, int stopAfterBlocks = -1) {
  Read read;
  read.stopAfterBlocks = stopAfterBlocks;
  read.status = bidgauge_read_lines(text.data(), text.size(), onRows, onMessage, &read);
  return read;
}

// "board seat hand knr zar kleinman quality halves hcp opens @line" of a row.
std::string rowText(const bidgauge_row& r) {
  const bidgauge_valuation& v = r.valuation;
  std::ostringstream text;
  text << (r.board < 0 ? "-" : std::to_string(r.board)) << ' ' << (r.seat != 0 ? r.seat : '-')
       << ' ' << r.hand_text << ' ' << v.knr_hundredths << ' ' << v.zar_points << ' '
       << v.kleinman_points << ' ' << v.kleinman_quality << ' ' << v.honor_trick_halves << ' '
       << v.high_card_points << ' ' << int{v.knr_opens} << int{v.zar_opens} << int{v.kleinman_opens}
       << int{v.honor_tricks_opens} << " @" << r.line;
  return text.str();
}

std::vector<std::string> rowTexts(const std::vector<bidgauge_row>& rows) {
  std::vector<std::string> texts;
  for (const bidgauge_row& row : rows) texts.push_back(rowText(row));
  return texts;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

// The same of a TSV row of the batch mode.
std::string rowText(const std::vector<std::string>& f) {
  const auto scaled = [](const std::string& number, int scale) {
    return std::to_string(std::lround(std::stod(number) * scale));
  };
  const int quality = f[8] == "good" ? 1 : f[8] == "bad" ? -1 : 0;
  const std::string& source = f[13];
  return (f[0].empty() ? "-" : f[0]) + ' ' + (f[1].empty() ? "-" : f[1]) + ' ' + f[2] + ' ' +
         scaled(f[3], 100) + ' ' + f[5] + ' ' + f[7] + ' ' + std::to_string(quality) + ' ' +
         scaled(f[10], 2) + ' ' + f[12] + ' ' + f[4] + f[6] + f[9] + f[11] + " @" +
         source.substr(source.rfind(':') + 1);
}

struct BatchOutput {
  std::vector<std::string> rows;      // as rowText gives them
  std::vector<std::string> messages;  // as Read has them
};

BatchOutput batchMode(const std::string& text) {
  testing_support::InputText in(text);
  testing_support::OutputCapture out;
  testing_support::OutputCapture err;
  runBatch({BatchFormat::tsv, {}, false}, {in.file(), out.file(), err.file()});
  BatchOutput output;
  for (const std::string& row : split(out.text(), '\n')) {
    output.rows.push_back(rowText(split(row, '\t')));
  }
  for (const std::string& line : split(err.text(), '\n')) {
    if (line.starts_with("bidgauge: ")) continue;  // about the whole input, not a line
    output.messages.push_back(line.substr(std::string_view("<stdin>:").size()));
  }
  return output;
}

TEST(CApiLines, RowsAndMessagesInTheOrderOfTheText) {
  const Read read = readLines(
      "KQ7543 QT2 A J98\n"
      "\n"
      "# a comment\n"
      "KQ7543 QT2 A J9Z\r\n"
      "N:AKQJ.T98.765.432 T98.765.432.AKQJ - -\n"
      "pn|A,B,C,D|md|1SAKQJHT98D765C432,ST98H765D432CAKQJ,S765H432DAKQJCT98,|ah|Board 7|\n"
      "[Board \"3\"]\n"
      "[Deal \"W:AKQJ.T98.765.432 - - -\"]");
  EXPECT_EQ(read.status, BIDGAUGE_OK);
  EXPECT_EQ(rowTexts(read.rows),
            (std::vector<std::string>{"- - KQ7543 QT2 A J98 1235 28 11 0 5 12 1111 @1",
                                      "- N AKQJ T98 765 432 980 20 10 -1 4 10 0000 @5",
                                      "- E T98 765 432 AKQJ 980 20 10 -1 4 10 0000 @5",
                                      "7 S AKQJ T98 765 432 980 20 10 -1 4 10 0000 @6",
                                      "7 W T98 765 432 AKQJ 980 20 10 -1 4 10 0000 @6",
                                      "7 N 765 432 AKQJ T98 980 20 10 -1 4 10 0000 @6",
                                      "7 E 432 AKQJ T98 765 980 20 10 -1 4 10 0000 @6",
                                      "3 W AKQJ T98 765 432 980 20 10 -1 4 10 0000 @8"}));
  EXPECT_EQ(read.messages, std::vector<std::string>{"4: unexpected character 'Z' at position 16"});
}

// Every data file of the batch tests gives the batch mode's rows and messages.
TEST(CApiLines, AgreesWithTheBatchModeOnEveryDataFile) {
  int files = 0;
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(BIDGAUGE_BATCH_TEST_DATA)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const Read ours = readLines(text);
    const BatchOutput batch = batchMode(text);
    EXPECT_EQ(ours.status, BIDGAUGE_OK);
    EXPECT_EQ(rowTexts(ours.rows), batch.rows) << entry.path();
    EXPECT_EQ(ours.messages, batch.messages) << entry.path();
    ++files;
  }
  EXPECT_GE(files, 10);
}

TEST(CApiLines, RowsComeInBlocksUntilACallbackStops) {
  std::string text;
  for (int i = 0; i < 1500; ++i) text += "KQ7543 QT2 A J98\n";
  const Read all = readLines(text);
  ASSERT_EQ(all.rows.size(), 1500U);
  EXPECT_GT(all.events.size(), 1U);
  for (std::size_t i = 0; i < all.rows.size(); ++i) ASSERT_EQ(all.rows[i].line, int64_t(i + 1));
  const Read first = readLines(text, 1);
  EXPECT_EQ(first.status, BIDGAUGE_OK);
  EXPECT_EQ(first.events.size(), 1U);
  EXPECT_LT(first.rows.size(), 1500U);
}

TEST(CApiLines, HandTextsOfRowsJoined) {
  const Read read = readLines("AKT9xx - QJxxx T2\nN:AKQJ.T98.765.432 - - -");
  ASSERT_EQ(read.rows.size(), 2U);
  std::string joined(2 * BIDGAUGE_HAND_TEXT_SIZE, '?');
  const std::size_t written =
      bidgauge_join_row_hand_texts(read.rows.data(), 2, '|', joined.data(), joined.size());
  EXPECT_EQ(joined.substr(0, written), "AKT9xx - QJxxx T2|AKQJ T98 765 432|");
  EXPECT_EQ(
      bidgauge_join_row_hand_texts(read.rows.data(), 2, '|', joined.data(), joined.size() - 1), 0U)
      << "room is asked for the longest texts";
  EXPECT_EQ(bidgauge_join_row_hand_texts(nullptr, 2, '|', joined.data(), joined.size()), 0U);
}

TEST(CApiLines, EmptyTextsNullCallbacksAndBadArguments) {
  EXPECT_EQ(readLines("").rows.size(), 0U);
  EXPECT_EQ(bidgauge_read_lines(nullptr, 0, onRows, onMessage, nullptr), BIDGAUGE_OK);
  EXPECT_EQ(bidgauge_read_lines(nullptr, 1, onRows, onMessage, nullptr), BIDGAUGE_ERROR_ARGUMENT);
  EXPECT_EQ(bidgauge_read_lines("A\nKQ7543 QT2 A J98", 18, nullptr, nullptr, nullptr), BIDGAUGE_OK);
}

}  // namespace
}  // namespace bidgauge
