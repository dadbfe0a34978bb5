#include "batch/line_reader.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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
  EXPECT_EQ(
      linesOf("a\nbc\n\nd\r\n"),
      (std::vector<ReadLine>{{"a", 1, false}, {"bc", 2, false}, {"", 3, false}, {"d", 4, false}}));
  EXPECT_EQ(linesOf(""), std::vector<ReadLine>{});
  EXPECT_EQ(linesOf("no line feed"), (std::vector<ReadLine>{{"no line feed", 1, false}}));
}

TEST(LineReader, ACarriageReturnAloneEndsALineAndBeforeALineFeedOnlyOne) {
  EXPECT_EQ(linesOf("a\rb\r\nc\n\rd\r\r\ne\r"), (std::vector<ReadLine>{{"a", 1, false},
                                                                       {"b", 2, false},
                                                                       {"c", 3, false},
                                                                       {"", 4, false},
                                                                       {"d", 5, false},
                                                                       {"", 6, false},
                                                                       {"e", 7, false}}));
}

// The lines of `text` by the rule, one character at a time.
std::vector<ReadLine> expectedLines(const std::string& text) {
  std::vector<ReadLine> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') {
      line += text[i];
      continue;
    }
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.push_back({line, static_cast<long>(lines.size()) + 1, false});
    line.clear();
  }
  if (!line.empty()) lines.push_back({line, static_cast<long>(lines.size()) + 1, false});
  return lines;
}

// Line ends of every kind, some split between two blocks, some past the
// 32 bytes looked at first.
TEST(LineReader, EveryKindOfLineEndAcrossBlocks) {
  std::mt19937 random(20);
  const std::string ends[] = {"\n", "\r\n", "\r"};
  for (int round = 0; round < 20; ++round) {
    std::string text;
    while (text.size() < 3 * LineReader::kBlock) {
      text.append(random() % 3 == 0 ? random() % 100 : random() % 20, 'h');
      text += ends[random() % 3];
    }
    // A carriage return last in the first block, its line feed first in the next.
    text.replace(LineReader::kBlock - 1, 2, "\r\n");
    EXPECT_EQ(linesOf(text), expectedLines(text)) << "round " << round;
  }
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
  const std::string start = tooLong.substr(0, LineReader::kMaxLine);
  EXPECT_EQ(linesOf("a\n" + longest + "\n" + tooLong + "\nb\n" + tooLong),
            (std::vector<ReadLine>{{"a", 1, false},
                                   {longest, 2, false},
                                   {start, 3, true},
                                   {"b", 4, false},
                                   {start, 5, true}}));
}

// The limit holds wherever the line starts in the reader's buffer.
TEST(LineReader, ALineOfTheLimitOrMoreIsTooLongFirstOrNot) {
  for (const std::size_t length : {LineReader::kMaxLine, std::size_t{70000}}) {
    const std::string line(length, 'z');
    for (const std::string& before : {std::string(), std::string("a\n")}) {
      const std::vector<ReadLine> lines = linesOf(before + line + "\r\nb");
      ASSERT_EQ(lines.size(), before.empty() ? 2u : 3u) << length;
      EXPECT_TRUE(lines[lines.size() - 2].tooLong) << length;
      EXPECT_EQ(lines.back(), (ReadLine{"b", static_cast<long>(lines.size()), false}));
    }
  }
  EXPECT_FALSE(linesOf(std::string(LineReader::kMaxLine - 1, 'z') + "\r\n")[0].tooLong);
  // Last, with no line end.
  EXPECT_TRUE(linesOf(std::string(LineReader::kMaxLine, 'z'))[0].tooLong);
  EXPECT_FALSE(linesOf(std::string(LineReader::kMaxLine - 1, 'z'))[0].tooLong);
}

// A line too long, read on in pieces of bounded size.
TEST(LineReader, TheRestOfALineTooLongComesInPieces) {
  for (const std::string_view end : {"\n", "\r\n", "\r", ""}) {
    std::string line;
    for (int i = 0; line.size() < 5 * LineReader::kMaxLine; ++i) line += std::to_string(i) + "|";
    InputText input(line + (end.empty() ? "" : std::string(end) + "next\n"));
    LineReader reader(input.file());
    InputLine first;
    ASSERT_TRUE(reader.next(first));
    ASSERT_TRUE(first.tooLong);
    std::string whole(first.text);
    std::size_t largest = 0;
    for (std::string_view piece; reader.nextPiece(piece);) {
      whole += piece;
      largest = std::max(largest, piece.size());
    }
    EXPECT_TRUE(whole == line) << whole.size() << " bytes for " << line.size();
    EXPECT_LE(largest, LineReader::kMaxLine + LineReader::kBlock);
    std::string_view after;
    EXPECT_FALSE(reader.nextPiece(after));
    InputLine next;
    ASSERT_EQ(reader.next(next), !end.empty());
    if (!end.empty()) {
      EXPECT_EQ(next.text, "next");
    }
    EXPECT_EQ(next.number, end.empty() ? 0 : 2);
  }
}

// Gives its text, then fails with EIO.
std::FILE* failingAfter(std::string& text) {
  cookie_io_functions_t functions{};
  functions.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
    auto& rest = *static_cast<std::string*>(cookie);
    if (rest.empty()) {
      errno = EIO;
      return -1;
    }
    const std::size_t count = std::min(size, rest.size());
    rest.copy(buffer, count);
    rest.erase(0, count);
    return static_cast<ssize_t>(count);
  };
  return fopencookie(&text, "r", functions);
}

TEST(LineReader, ALineCutShortByAReadErrorIsNotGiven) {
  for (const bool tooLong : {false, true}) {
    std::string text = "whole\r" + std::string(tooLong ? LineReader::kMaxLine + 10 : 10, 'p');
    std::FILE* file = failingAfter(text);
    ASSERT_NE(file, nullptr);
    LineReader reader(file);
    InputLine line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.text, "whole");
    if (tooLong) {
      ASSERT_TRUE(reader.next(line));
      EXPECT_TRUE(line.tooLong);
      for (std::string_view piece; reader.nextPiece(piece);) {
      }
    }
    EXPECT_FALSE(reader.next(line));
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(reader.error(), EIO);
    std::fclose(file);
  }
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
