#include "batch/line_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_file.hpp"

namespace bidgauge {
namespace {

using testing_support::InputText;

struct ReadLine {
  std::string text;
  long number;
  bool tooLong;
  friend bool operator==(const ReadLine&, const ReadLine&) = default;
};

std::ostream& operator<<(std::ostream& out, const ReadLine& line) {
  return out << line.number << (line.tooLong ? " (too long)" : "") << ": \""
             << line.text.substr(0, 40) << "\" (" << line.text.size() << " bytes)";
}

std::vector<ReadLine> linesOf(std::string text) {
  InputText input(std::move(text));
  LineReader reader(input.file());
  std::vector<ReadLine> lines;
  InputLine line;
  while (reader.next(line)) lines.push_back({std::string(line.text), line.number, line.tooLong});
  EXPECT_FALSE(reader.failed());
  return lines;
}

TEST(LineReader, SplitsAtLineFeeds) {
  EXPECT_EQ(linesOf("a\nbc\n\nd\r\n"),
            (std::vector<ReadLine>{
                {"a", 1, false}, {"bc", 2, false}, {"", 3, false}, {"d\r", 4, false}}));
  EXPECT_EQ(linesOf(""), std::vector<ReadLine>{});
  EXPECT_EQ(linesOf("no line feed"), (std::vector<ReadLine>{{"no line feed", 1, false}}));
}

TEST(LineReader, LinesAcrossBlockBoundariesStayWhole) {
  std::string text;
  std::vector<ReadLine> expected;
  for (long i = 1; text.size() < 5 * LineReader::kBlock; ++i) {
    std::string line(static_cast<std::size_t>(i % 97), static_cast<char>('a' + i % 26));
    text += line + "\n";
    expected.push_back({line, i, false});
  }
  EXPECT_EQ(linesOf(text), expected);
}

TEST(LineReader, OverlongLinesAreSkippedNotHeld) {
  const std::string longest(LineReader::kMaxLine - 1, 'x');
  const std::string tooLong(3 * LineReader::kMaxLine + 5, 'y');
  EXPECT_EQ(
      linesOf("a\n" + longest + "\n" + tooLong + "\nb\n" + tooLong),
      (std::vector<ReadLine>{
          {"a", 1, false}, {longest, 2, false}, {"", 3, true}, {"b", 4, false}, {"", 5, true}}));
}

TEST(LineReader, ReportsReadErrors) {
  std::FILE* directory = std::fopen("/", "rb");
  ASSERT_NE(directory, nullptr);
  LineReader reader(directory);
  InputLine line;
  EXPECT_FALSE(reader.next(line));
  EXPECT_TRUE(reader.failed());
  EXPECT_EQ(reader.error(), EISDIR);
  std::fclose(directory);
}

}  // namespace
}  // namespace bidgauge
