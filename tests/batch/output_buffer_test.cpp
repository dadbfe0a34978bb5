#include "batch/output_buffer.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/memory_file.hpp"

namespace bidgauge {
namespace {

using testing_support::OutputCapture;

// Rows of every length up to a few hundred bytes, past the first block and
// into the grown one, arrive whole and in order.
TEST(OutputBuffer, KeepsEveryRowInOrderAsItGrows) {
  OutputCapture capture;
  std::string expected;
  {
    OutputBuffer out(capture.file());
    for (int row = 0; expected.size() < 3 * OutputBuffer::kCapacity; ++row) {
      const std::string text(static_cast<std::size_t>(row % 300),
                             static_cast<char>('a' + row % 26));
      char* at = out.reserve(text.size() + 64);  // writers ask for more than they use
      std::memcpy(at, text.data(), text.size());
      out.commit(at + text.size());
      expected += text;
    }
    ASSERT_TRUE(out.flush());
  }
  EXPECT_EQ(capture.text(), expected);
}

TEST(OutputBuffer, AppendsTextLongerThanAnyBlock) {
  OutputCapture capture;
  const std::string head = "header\n";
  const std::string body(2 * OutputBuffer::kCapacity + 17, 'x');
  {
    OutputBuffer out(capture.file());
    out.append(head);
    out.append(body);
  }  // flushed when it goes
  EXPECT_EQ(capture.text(), head + body);
}

TEST(OutputBuffer, ReportsAFailedWrite) {
  std::FILE* full = std::fopen("/dev/full", "wb");
  ASSERT_NE(full, nullptr);
  {
    OutputBuffer out(full);
    out.append(std::string(OutputBuffer::kFirstCapacity + 1, 'x'));
    EXPECT_FALSE(out.flush());
    EXPECT_TRUE(out.failed());
    EXPECT_NE(out.error(), 0);
  }
  std::fclose(full);
}

}  // namespace
}  // namespace bidgauge
