#include "web/web_session.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/headless.hpp"
#include "app/main_screen.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

// The page's rows as the browser builds them from the frames, as text.
class PageRows {
 public:
  void apply(const Frame& frame) {
    for (const Frame::Row& row : frame.rows) {
      std::string& text = rows_[static_cast<std::size_t>(row.row - 1)];
      text.clear();
      for (const CellRun& run : row.runs) text += run.text;
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

// The keys a terminal gets when the text is pasted on the title screen: one a
// byte, a line break as Enter, all typed ahead of the program.
ScriptedConsole pastedInTerminal(std::string_view text) {
  ScriptedConsole console;
  InteractiveApp app(console);
  app.start();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 2) == "\r\n") continue;
    const char ch = text[i];
    console.typeAhead(ch == '\n' || ch == '\r' ? keys::enter
                                               : Key::character(static_cast<unsigned char>(ch)));
  }
  while (const std::optional<Key> key = console.nextKey()) {
    if (!app.handle(*key)) break;
  }
  return console;
}

TEST(WebSession, PastedTextTypesWhatATerminalGetsTypedAhead) {
  for (const std::string_view text :
       {"KQ7543 QT2 A J98\n", "kq7543 qt2 a j98\r\nAKT9xx - QJxxx T2\r\nxx", "KQ7K QT2 A J98\n",
        "KQ7 E n", "H\rM\rb", "AKQ AKQ AKQ AKQJ\nE\ny"}) {
    WebSession session;
    PageRows page;
    page.apply(session.takeFrame());
    session.paste(text);
    page.apply(session.takeFrame());
    const ScriptedConsole terminal = pastedInTerminal(text);
    for (int row = 1; row <= Screen::kRows; ++row) {
      EXPECT_EQ(page.row(row), cp437ToUtf8(terminal.screen().rowText(row)))
          << text << " row " << row;
    }
  }
}

TEST(WebSession, APasteTypesUntilTheProgramDiscardsItsTypeAhead) {
  WebSession session;
  EXPECT_EQ(session.paste("KQ7 \u2660 E n"), 6);  // no key for the spade; E asks to quit
  EXPECT_EQ(session.takeFrame().mode, "question");
  EXPECT_EQ(session.paste("y K"), 1);
  EXPECT_FALSE(session.running());
  EXPECT_EQ(session.paste("K"), 0);
}

TEST(WebSession, TheFrameSaysWhatTheProgramTakesAndWhatABarSays) {
  struct ModeCase {
    std::vector<std::string_view> keys;
    std::string_view mode;
    std::string_view message;
  };
  const std::vector<ModeCase> cases = {
      {{}, "entry", ""},
      {{"K", "Q", "7", "K"}, "error", "Duplicate King of Spades. Press any key to go on."},
      {{"K", "Q", "7", "K", "x"}, "entry", ""},
      {{"E"}, "question", "Quit program? Y quits, N stays."},
      {{"Escape", "n"}, "entry", ""},
      {{"H", "M"}, "help", "Help pages: M for more, B for back, Q to leave."},
      {{"H", "Q"}, "entry", ""},
      {{"E", "y"}, "ended", ""},
  };
  for (const ModeCase& expected : cases) {
    WebSession session;
    for (const std::string_view key : expected.keys) session.press({key});
    const Frame frame = session.takeFrame();
    EXPECT_EQ(frame.mode, expected.mode) << expected.keys.size();
    EXPECT_EQ(frame.message, expected.message) << expected.keys.size();
  }
}

TEST(WebSession, TheResultCardComesWithTheFrameAfterEachHandEvaluated) {
  WebSession session;
  const std::string_view hand = "KQ7543 QT2 A J98\n";
  EXPECT_FALSE(session.takeFrame().card.has_value());
  session.paste(hand);
  const std::optional<ResultCard> card = session.takeFrame().card;
  ASSERT_TRUE(card.has_value());
  EXPECT_EQ(card->suits[0].spoken, "Spades: King, Queen, 7, 5, 4, 3.");
  EXPECT_FALSE(session.takeFrame().card.has_value());
  session.paste(hand);  // the same hand again is a new result
  EXPECT_EQ(session.takeFrame().card, card);
}

}  // namespace
}  // namespace bidgauge
