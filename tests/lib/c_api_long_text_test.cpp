// Texts far longer than any hand: read in bounded memory, stopped at the
// first fault, and refused past BIDGAUGE_MAX_TEXT_LENGTH with true positions
// up to it. The long texts are mapped, not written, where they can be.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <string>

#include "bidgauge/bidgauge.h"

namespace {

constexpr std::size_t kLimit = BIDGAUGE_MAX_TEXT_LENGTH;

struct ChildReading {
  int code = -1;
  int position = -1;
  long peakGrowthKb = -1;
};

// Reads head + fill... + tail (`length` bytes in all) in a child process,
// and how far the child's peak resident size rose while it read.
ChildReading readInChild(const std::string& head, char fill, const std::string& tail,
                         std::size_t length) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    std::string text(length, fill);
    text.replace(0, head.size(), head);
    text.replace(length - tail.size(), tail.size(), tail);
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    bidgauge_hand hand{};
    bidgauge_error error{};
    ChildReading reading;
    reading.code = bidgauge_read_hand(text.data(), text.size(), &hand, &error);
    reading.position = error.position;
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    reading.peakGrowthKb = after.ru_maxrss - before.ru_maxrss;
    const bool sent = write(pipeEnds[1], &reading, sizeof reading) == sizeof reading;
    _exit(sent ? 0 : 1);
  }
  close(pipeEnds[1]);
  ChildReading reading;
  if (read(pipeEnds[0], &reading, sizeof reading) != sizeof reading) reading = {};
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return reading;
}

// Each bad text once cost 40 to 120 bytes per byte, wherever its fault.
TEST(CApiLongText, ReadsFiftyMegabytesInBoundedMemory) {
  struct Case {
    std::string head;
    char fill;
    std::string tail;
    std::size_t length;
    int position;
  };
  constexpr std::size_t kLength = 50U << 20;
  // A labelled hand is read to its end, for a suit given twice; a shorter
  // one keeps the sanitized build quick, and would still need gigabytes.
  constexpr std::size_t kLabelledLength = 5U << 20;
  constexpr long kMostGrowthKb = 8 << 10;  // the text itself is already there
  for (const Case& c : {
           Case{"", 'K', "", kLength, 2},              // a duplicate card at once
           Case{"", '\0', "", kLength, 1},             // a control character at once
           Case{"", '.', "", kLength, 4},              // a fifth suit of a dotted hand
           Case{"A", '-', "", kLength, 2},             // a void mark after a card
           Case{"", ' ', "Z", kLength, int{kLength}},  // a fault after a run of blanks
           Case{"S:", 'K', "", kLabelledLength, 4},    // a duplicate in a labelled hand
       }) {
    const ChildReading reading = readInChild(c.head, c.fill, c.tail, c.length);
    const std::string name = c.head + "'" + std::string(1, c.fill) + "'..." + c.tail;
    EXPECT_EQ(reading.code, BIDGAUGE_ERROR_HAND) << name;
    EXPECT_EQ(reading.position, c.position) << name;
    EXPECT_GE(reading.peakGrowthKb, 0) << name;
    EXPECT_LT(reading.peakGrowthKb, kMostGrowthKb) << name;
  }
}

// An address range of `length` bytes that is never backed by memory.
class Reserved {
 public:
  Reserved(std::size_t length, int protection)
      : length_(length),
        data_(mmap(nullptr, length, protection, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1,
                   0)) {}
  ~Reserved() {
    if (data_ != MAP_FAILED) munmap(data_, length_);
  }
  Reserved(const Reserved&) = delete;
  Reserved& operator=(const Reserved&) = delete;

  bool ok() const { return data_ != MAP_FAILED; }
  char* data() const { return static_cast<char*>(data_); }

 private:
  std::size_t length_;
  void* data_;
};

TEST(CApiLongText, RefusesTextsPastTheLimitWithoutReadingThem) {
  // Inaccessible: a single byte read would end the test.
  const Reserved text(kLimit + 1, PROT_NONE);
  ASSERT_TRUE(text.ok());
  bidgauge_hand hand{};
  hand.spots[0] = 7;
  bidgauge_error error{};
  EXPECT_EQ(bidgauge_read_hand(text.data(), kLimit + 1, &hand, &error), BIDGAUGE_ERROR_LENGTH);
  EXPECT_EQ(error.code, BIDGAUGE_ERROR_LENGTH);
  EXPECT_EQ(error.position, 0);
  EXPECT_STRNE(error.message, "");
  EXPECT_EQ(hand.spots[0], 7) << "the hand is left alone";
}

TEST(CApiLongText, ReadsTextsUpToTheLimitInBulk) {
  // NUL bytes, but for a line end that makes the first text the limit's length.
  const Reserved texts(kLimit + 1, PROT_READ | PROT_WRITE);
  ASSERT_TRUE(texts.ok());
  texts.data()[kLimit] = '\n';
  bidgauge_text_result result{};
  ASSERT_EQ(bidgauge_evaluate_texts(texts.data(), kLimit + 1, '\n', &result, 1), 1U);
  EXPECT_EQ(result.code, BIDGAUGE_ERROR_HAND);
  EXPECT_EQ(result.position, 1);
  ASSERT_EQ(bidgauge_evaluate_texts(texts.data(), kLimit + 1, 'Z', &result, 1), 1U);
  EXPECT_EQ(result.code, BIDGAUGE_ERROR_LENGTH);
  EXPECT_EQ(result.position, 0);
}

// `length` bytes of blanks and then `tail`, from one chunk of blanks
// mapped over and over, and a last chunk of its own.
class MappedBlanks {
 public:
  static constexpr std::size_t kChunk = std::size_t{1} << 20;

  MappedBlanks(std::size_t length, const std::string& tail)
      : reserved_((length + kChunk - 1) / kChunk * kChunk, PROT_NONE) {
    const int blanks = memfd_create("blanks", 0);
    if (!reserved_.ok() || blanks < 0 || ftruncate(blanks, kChunk) != 0) return;
    const std::string chunk(kChunk, ' ');
    ok_ = pwrite(blanks, chunk.data(), kChunk, 0) == static_cast<ssize_t>(kChunk);
    const std::size_t last = (length - 1) / kChunk * kChunk;
    for (std::size_t at = 0; ok_ && at <= last; at += kChunk) {
      const bool own = at == last;  // written to, so a private copy
      ok_ = mmap(reserved_.data() + at, kChunk, own ? PROT_READ | PROT_WRITE : PROT_READ,
                 (own ? MAP_PRIVATE : MAP_SHARED) | MAP_FIXED, blanks, 0) != MAP_FAILED;
    }
    close(blanks);
    if (ok_) tail.copy(reserved_.data() + length - tail.size(), tail.size());
  }

  bool ok() const { return ok_; }
  const char* data() const { return reserved_.data(); }

 private:
  Reserved reserved_;
  bool ok_ = false;
};

// Positions once wrapped past 2 GiB; every one up to the limit is true.
TEST(CApiLongText, GivesTruePositionsUpToTheLimit) {
  const MappedBlanks text(kLimit + 1, "Z");
  ASSERT_TRUE(text.ok());
  bidgauge_hand hand{};
  bidgauge_error error{};
  EXPECT_EQ(bidgauge_read_hand(text.data() + 1, kLimit, &hand, &error), BIDGAUGE_ERROR_HAND);
  EXPECT_EQ(error.position, int{kLimit});
  EXPECT_STREQ(error.message, "unexpected character 'Z' at position 1073741824");
  EXPECT_EQ(bidgauge_read_hand(text.data(), kLimit + 1, &hand, &error), BIDGAUGE_ERROR_LENGTH);
}

}  // namespace
