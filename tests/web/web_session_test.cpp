#include "web/web_session.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/headless.hpp"
#include "app/main_screen.hpp"
#include "hand/cp437.hpp"
#include "support/page_text.hpp"

namespace bidgauge {
namespace {

using testing_support::textContent;

// The page's rows as the browser builds them from the frames, as text.
class PageRows {
 public:
  void apply(const Frame& frame) {
    for (const Frame::Row& row : frame.rows) {
      rows_[static_cast<std::size_t>(row.row - 1)] = textContent(row.html);
    }
  }
  const std::string& row(int row) const { return rows_[static_cast<std::size_t>(row - 1)]; }

 private:
  std::array<std::string, Screen::kRows> rows_;
};

void pressAll(WebSession& session, const std::vector<std::string_view>& keyNames) {
  for (const std::string_view name : keyNames) EXPECT_TRUE(session.press({name})) << name;
}

// The same key names, as the terminal would give them to the headless program.
ScriptedConsole scriptedRun(const std::vector<Key>& keys) {
  ScriptedConsole console(keys);
  InteractiveApp app(console);
  runScript(app, console);
  return console;
}

TEST(WebSession, TheFirstFrameHasEveryRowTheTitleAndTheCursor) {
  WebSession session;
  const Frame frame = session.takeFrame();
  EXPECT_EQ(frame.title, kWindowTitle);
  ASSERT_EQ(frame.rows.size(), 25U);
  for (int row = 1; row <= 25; ++row) EXPECT_EQ(frame.rows[row - 1].row, row);
  EXPECT_EQ(frame.cursorRow, 5);
  EXPECT_EQ(frame.cursorColumn, entryColumn);
  EXPECT_TRUE(frame.cursorVisible);
  EXPECT_EQ(frame.cursorColor, 15);
  EXPECT_TRUE(frame.running);
  EXPECT_EQ(frame.beeps, 0);
}

TEST(WebSession, LaterFramesCarryOnlyTheRowsThatChanged) {
  WebSession session;
  session.takeFrame();
  EXPECT_TRUE(session.takeFrame().rows.empty());
  ASSERT_TRUE(session.press({"k"}));
  const Frame frame = session.takeFrame();
  std::vector<int> changed;
  for (const Frame::Row& row : frame.rows) changed.push_back(row.row);
  EXPECT_EQ(changed, (std::vector<int>{5, 12}));  // the typed K, the hint erased
  EXPECT_EQ(frame.cursorColumn, entryColumn + 1);
}

TEST(WebSession, ThePageShowsTheScreenTheTerminalProgramShows) {
  WebSession session;
  PageRows page;
  page.apply(session.takeFrame());
  pressAll(session, {"K",     "Q", "7",         "5", "4",     "3",  " ",        "q",
                     "t",     "2", " ",         "A", " ",     "J",  "9",        "8",
                     "Enter", "a", "Backspace", "x", "Enter", "F1", "PageDown", "Escape"});
  page.apply(session.takeFrame());
  ScriptedConsole terminal = scriptedRun({Key::character('K'), Key::character('Q'),
                                          Key::character('7'), Key::character('5'),
                                          Key::character('4'), Key::character('3'),
                                          keys::space,         Key::character('q'),
                                          Key::character('t'), Key::character('2'),
                                          keys::space,         Key::character('A'),
                                          keys::space,         Key::character('J'),
                                          Key::character('9'), Key::character('8'),
                                          keys::enter,         Key::character('a'),
                                          keys::backspace,     Key::character('x'),
                                          keys::enter,         keys::f1,
                                          keys::pageDown,      keys::escape});
  for (int row = 1; row <= Screen::kRows; ++row) {
    EXPECT_EQ(page.row(row), cp437ToUtf8(terminal.screen().rowText(row))) << "row " << row;
  }
}

TEST(WebSession, ThePageBeepsWhenTheTerminalWouldAndEachBeepOnce) {
  WebSession session;
  pressAll(session, {"F1", "E", "Z", "z"});
  const int beeps = session.takeFrame().beeps;
  EXPECT_EQ(beeps,
            scriptedRun({keys::f1, Key::character('E'), Key::character('Z'), Key::character('z')})
                .beeps());
  EXPECT_GE(beeps, 2);
  EXPECT_EQ(session.takeFrame().beeps, 0);
}

TEST(WebSession, AfterQuittingNoKeyIsTakenAndTheLastScreenStays) {
  WebSession session;
  session.takeFrame();
  pressAll(session, {"E", "y"});
  EXPECT_FALSE(session.running());
  const Frame quit = session.takeFrame();
  EXPECT_FALSE(quit.running);
  EXPECT_FALSE(session.press({"K"}));
  EXPECT_TRUE(session.takeFrame().rows.empty());
}

TEST(WebSession, KeysThatBelongToTheBrowserAreLeftAlone) {
  WebSession session;
  session.takeFrame();
  EXPECT_FALSE(session.press({"Tab"}));
  EXPECT_FALSE(session.press({"r", false, true}));
  EXPECT_TRUE(session.takeFrame().rows.empty());
  EXPECT_TRUE(session.running());
}

}  // namespace
}  // namespace bidgauge
