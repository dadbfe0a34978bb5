#include "batch/json_text.hpp"

#include <gtest/gtest.h>

namespace bidgauge {
namespace {

std::string quoted(std::string_view text) {
  std::string out;
  appendJsonString(out, text);
  return out;
}

TEST(JsonText, QuotesAndBackslashesAreEscaped) {
  EXPECT_EQ(quoted(R"(say "hi" \ bye)"), R"("say \"hi\" \\ bye")");
}

TEST(JsonText, ControlCharactersAreEscaped) {
  EXPECT_EQ(quoted("a\nb\x01\r\x1F"), R"("a\nb\u0001\u000d\u001f")");
}

TEST(JsonText, Utf8AndPlainTextPassUnchanged) {
  EXPECT_EQ(quoted("\xE2\x99\xA0 K Q / <b>&"), "\"\xE2\x99\xA0 K Q / <b>&\"");
  EXPECT_EQ(quoted(""), "\"\"");
}

}  // namespace
}  // namespace bidgauge
