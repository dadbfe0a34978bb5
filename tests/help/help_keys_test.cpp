// The pager's key table, key by key and page by page.
#include "help/help_keys.hpp"

#include <gtest/gtest.h>

#include <string>

#include "console/key.hpp"
#include "help_test_support.hpp"

namespace bidgauge {
namespace {

using Action = HelpStep::Action;

struct KeyCase {
  int page;
  std::string key;  // the key text, upper-cased
  HelpStep expected;
};

const HelpStep kLeave{Action::leave};
const HelpStep kRefuse{Action::refuse};
HelpStep show(int page) {
  return {Action::show, page};
}

class HelpKeyTable : public testing::TestWithParam<KeyCase> {};

TEST_P(HelpKeyTable, GivesTheStep) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(helpStep(c.page, Key::fromText(c.key)), c.expected)
      << "page " << c.page << ", key " << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    KeysOnEveryKindOfPage, HelpKeyTable,
    testing::Values(
        // Q and Escape leave from any page.
        KeyCase{1, "Q", kLeave}, KeyCase{5, "Q", kLeave}, KeyCase{10, "Q", kLeave},
        KeyCase{1, "\x1B", kLeave}, KeyCase{6, "\x1B", kLeave}, KeyCase{10, "\x1B", kLeave},
        // M and Enter go forward, but not past the last page.
        KeyCase{1, "M", show(2)}, KeyCase{1, "\r", show(2)}, KeyCase{5, "M", show(6)},
        KeyCase{9, "M", show(10)}, KeyCase{9, "\r", show(10)}, KeyCase{10, "M", kRefuse},
        // Enter on the last page goes back, as B does.
        KeyCase{10, "\r", show(9)}, KeyCase{10, "B", show(9)},
        // B goes back, but not before the first page.
        KeyCase{2, "B", show(1)}, KeyCase{7, "B", show(6)}, KeyCase{1, "B", kRefuse},
        // No wrap-around and no other keys.
        KeyCase{1, "H", kRefuse}, KeyCase{4, " ", kRefuse}, KeyCase{4, "\b", kRefuse},
        KeyCase{4, keys::f1.text(), kRefuse}, KeyCase{4, keys::pageDown.text(), kRefuse},
        KeyCase{4, "N", kRefuse}, KeyCase{10, "1", kRefuse}),
    [](const testing::TestParamInfo<KeyCase>& param) {
      return pageKeyTestName(param.param.page, param.param.key);
    });

}  // namespace
}  // namespace bidgauge
