#include "app/interactive_app.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/headless.hpp"
#include "console/colors.hpp"
#include "console/scripted_console.hpp"
#include "support/screen_text.hpp"

namespace bidgauge {
namespace {

using testing_support::coloured;
using testing_support::rowText;
using testing_support::textAt;

const std::string kF1 = keys::f1.text();
const std::string kEscape = keys::escape.text();
const std::string kEnter = keys::enter.text();
const std::string kBackspace = keys::backspace.text();

std::string rule(int length) {
  std::string line;
  for (int i = 0; i < length; ++i) line += "─";
  return line;
}

// Runs the program on a script of keys; it ends when it quits or the keys run out.
struct Run {
  ScriptedConsole console;
  InteractiveApp app{console};
  bool quit = false;

  const Screen& screen() const { return console.screen(); }
};

using Keys = std::vector<std::string>;

// Every character of `text` as one key.
Keys keysOf(const std::string& text) {
  Keys keys;
  for (const char ch : text) keys.emplace_back(1, ch);
  return keys;
}

Keys operator+(Keys a, const Keys& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::unique_ptr<Run> runKeys(const Keys& keys) {
  auto run = std::make_unique<Run>();
  for (const std::string& keyText : keys) run->console.press(Key::fromText(keyText));
  run->quit = runScript(run->app, run->console);
  return run;
}

TEST(TitleScreen, IsDrawnAsTheProgramStarts) {
  const auto run = runKeys({});
  const Screen& screen = run->screen();
  EXPECT_EQ(run->console.title(),
            "EVAL:  Kaplan Four C's - Zar Points - Kleiman Points - Culbertson Honor Tricks");
  EXPECT_EQ(rowText(screen, 1), "");
  EXPECT_EQ(rowText(screen, 2), std::string(20, ' ') + "♠ ♥ ♦ ♣  OPENING BID EVALUATOR  ♣ ♦ ♥ ♠");
  EXPECT_TRUE(coloured(screen, 2, 21, 7, color::lightRed, color::blue));
  EXPECT_TRUE(coloured(screen, 2, 28, 25, color::lightGreen, color::blue));
  EXPECT_TRUE(coloured(screen, 2, 53, 7, color::lightRed, color::blue));
  EXPECT_EQ(textAt(screen, 3, 34, 2), "by");
  EXPECT_EQ(screen.rowText(3).find_last_not_of(' '), 33u + 12u);  // 13 characters
  EXPECT_TRUE(coloured(screen, 3, 34, 13, color::brown, color::blue));
  EXPECT_EQ(rowText(screen, 4), " " + rule(78));
  EXPECT_TRUE(coloured(screen, 4, 1, 79, color::darkGrey, color::blue));
  EXPECT_EQ(textAt(screen, 5, 1, 15), "  Enter a hand:");
  EXPECT_TRUE(coloured(screen, 5, 1, 15, color::yellow, color::blue));
  EXPECT_EQ(textAt(screen, 5, 70, 10), "Help  End ");
  EXPECT_TRUE(coloured(screen, 5, 70, 1, color::brightWhite, color::blue));
  EXPECT_TRUE(coloured(screen, 5, 71, 5, color::darkGrey, color::blue));
  EXPECT_TRUE(coloured(screen, 5, 76, 1, color::brightWhite, color::blue));
  EXPECT_TRUE(coloured(screen, 5, 77, 3, color::darkGrey, color::blue));
  EXPECT_EQ(textAt(screen, 12, 26, 29), " For instructions, press \"H\" ");
  EXPECT_TRUE(coloured(screen, 12, 26, 29, color::blue, color::lightCyan));
  EXPECT_EQ(screen.cursorRow(), 5);
  EXPECT_EQ(screen.cursorColumn(), 19);
  EXPECT_TRUE(screen.cursorVisible());
  for (int row = 1; row <= Screen::kRows; ++row) {
    for (int column = 1; column <= Screen::kColumns; ++column) {
      if (row == 12 && column >= 26 && column <= 54) continue;
      ASSERT_EQ(screen.cell(row, column).background(), color::blue) << row << "," << column;
    }
  }
}

TEST(TitleScreen, FirstKeyErasesTheHintEvenWhenRefused) {
  const auto run = runKeys({"Z"});
  EXPECT_EQ(rowText(run->screen(), 12), "");
  EXPECT_TRUE(coloured(run->screen(), 12, 26, 30, color::brightWhite, color::blue));
  EXPECT_EQ(run->console.beeps(), 1);
  EXPECT_EQ(run->screen().cursorRow(), 5);
  EXPECT_EQ(run->screen().cursorColumn(), 19);
}

TEST(Entry, EchoesAcceptedKeysInBrightWhiteOnBlue) {
  const auto run = runKeys(keysOf("ak09xx --  qz"));
  const Screen& screen = run->screen();
  EXPECT_EQ(textAt(screen, 5, 19, 11), "AKT9xx - Q ");
  EXPECT_EQ(run->app.entry().handText, "AKT9xx - Q");
  EXPECT_TRUE(coloured(screen, 5, 19, 10, color::brightWhite, color::blue));
  EXPECT_EQ(screen.cursorColumn(), 29);
  EXPECT_EQ(run->console.beeps(), 1);  // the Z
}

TEST(Entry, BackspaceErasesTheLastCharacter) {
  const auto run = runKeys(keysOf("AK") + Keys{kBackspace, kBackspace});
  EXPECT_EQ(run->app.entry().handText, "");
  EXPECT_EQ(run->app.entry().hand, Hand{});
  EXPECT_EQ(run->screen().cursorColumn(), 19);
  EXPECT_EQ(textAt(run->screen(), 5, 19, 2), "  ");
  EXPECT_EQ(run->console.beeps(), 0);
}

TEST(Entry, BackspaceOnAnEmptyLineBeeps) {
  const auto run = runKeys({kBackspace});
  EXPECT_EQ(run->console.beeps(), 1);
  EXPECT_EQ(run->screen().cursorColumn(), 19);
}

TEST(ErrorBar, ShowsTheMessageTwoRowsBelowAndWaitsForAKey) {
  const auto run = runKeys(keysOf("A") + Keys{kEnter});
  const Screen& screen = run->screen();
  EXPECT_EQ(textAt(screen, 7, 19, 26), " The hand has only 1 card ");
  EXPECT_TRUE(coloured(screen, 7, 19, 26, color::brightWhite, color::magenta));
  EXPECT_FALSE(screen.cursorVisible());
  EXPECT_EQ(run->console.beeps(), 1);
}

TEST(ErrorBar, AnyKeyDismissesItAndIsNotParsed) {
  for (const std::string& dismiss : {std::string("K"), kEnter, kEscape, std::string("H"), kF1}) {
    const auto run = runKeys(keysOf("A") + Keys{kEnter, dismiss, "Q"});
    const Screen& screen = run->screen();
    EXPECT_EQ(rowText(screen, 7), "");
    EXPECT_TRUE(coloured(screen, 7, 19, 40, color::brightWhite, color::blue));
    EXPECT_EQ(run->app.entry().handText, "AQ");
    EXPECT_EQ(textAt(screen, 5, 19, 2), "AQ");
    EXPECT_TRUE(screen.cursorVisible());
    EXPECT_EQ(screen.cursorColumn(), 21);
  }
}

TEST(ErrorBar, TypeAheadDoesNotDismissIt) {
  ScriptedConsole console;
  InteractiveApp app(console);
  app.start();
  app.handle(Key::character('A'));
  console.typeAhead(Key::character('X'));  // pressed before the bar shows
  app.handle(keys::enter);
  EXPECT_TRUE(console.scriptDone());
  EXPECT_EQ(app.mode(), InteractiveApp::Mode::errorBar);
  EXPECT_EQ(textAt(console.screen(), 7, 19, 26), " The hand has only 1 card ");
}

TEST(QuitPrompt, AsksBelowTheEntryRow) {
  const auto run = runKeys(keysOf("AK") + Keys{kEscape});
  const Screen& screen = run->screen();
  EXPECT_EQ(textAt(screen, 7, 30, 22), " Quit program?  (Y/n) ");
  EXPECT_TRUE(coloured(screen, 7, 30, 22, color::brightWhite, color::magenta));
  EXPECT_EQ(screen.cursorRow(), 7);
  EXPECT_EQ(screen.cursorColumn(), 47);
}

TEST(QuitPrompt, YesEnterAndEscapeQuit) {
  for (const std::string& answer : {std::string("Y"), std::string("y"), kEnter, kEscape}) {
    for (const std::string& ask : {kEscape, std::string("E"), std::string("e")}) {
      const auto run = runKeys(Keys{ask, answer, "A"});
      EXPECT_TRUE(run->quit);
      EXPECT_EQ(run->console.keysRead(), 2) << "answer " << answer << " to " << ask;
    }
  }
}

TEST(QuitPrompt, NoReturnsToAFreshTitleScreen) {
  const auto fresh = runKeys({});
  for (const std::string& no : {std::string("N"), std::string("n")}) {
    const auto run = runKeys(keysOf("AKQ") + Keys{kEscape, no});
    EXPECT_EQ(run->screen(), fresh->screen());
    EXPECT_EQ(run->app.entry(), EntryState{});
  }
}

TEST(QuitPrompt, OtherKeysBeepAndKeepAsking) {
  const auto run = runKeys({kEscape, kF1, " ", "X", "7"});
  EXPECT_EQ(run->console.beeps(), 1 + 4);
  EXPECT_EQ(textAt(run->screen(), 7, 30, 22), " Quit program?  (Y/n) ");
  EXPECT_EQ(run->screen().cursorColumn(), 47);
}

TEST(QuitPrompt, TypeAheadIsDiscarded) {
  ScriptedConsole console;
  InteractiveApp app(console);
  app.start();
  console.typeAhead(Key::character('Y'));  // typed before the question showed
  app.handle(keys::escape);
  console.press(Key::character('N'));
  console.press(Key::character('A'));
  EXPECT_FALSE(runScript(app, console));  // the Y never answered
  EXPECT_EQ(console.keysRead(), 2);
}

TEST(Help, ReturnsToAFreshTitleScreen) {
  const auto fresh = runKeys({});
  const auto run = runKeys(keysOf("AKQ") + Keys{"h", "Q"});
  EXPECT_EQ(run->screen(), fresh->screen());
  EXPECT_EQ(run->app.entry(), EntryState{});
}

TEST(Help, CanOpenFirst) {
  ScriptedConsole console;
  InteractiveApp app(console);
  console.press(Key::character('Q'));
  EXPECT_FALSE(runScript(app, console, InteractiveApp::Start::help));
  EXPECT_EQ(console.keysRead(), 1);
  EXPECT_EQ(console.screen(), runKeys({})->screen());
}

TEST(Help, OpenedFirstLooksAsWhenOpenedWithH) {
  ScriptedConsole console;
  InteractiveApp app(console);
  app.start(InteractiveApp::Start::help);
  const auto throughH = runKeys({"H"});
  EXPECT_EQ(app.mode(), InteractiveApp::Mode::help);
  EXPECT_EQ(console.screen().toUtf8(), throughH->screen().toUtf8());
  for (int row = 1; row <= Screen::kRows; ++row) {
    for (int column = 1; column <= Screen::kColumns; ++column) {
      ASSERT_EQ(console.screen().cell(row, column), throughH->screen().cell(row, column))
          << row << "," << column;
    }
  }
}

TEST(Modes, FollowTheKeys) {
  using Mode = InteractiveApp::Mode;
  ScriptedConsole console;
  InteractiveApp app(console);
  app.start();
  const std::vector<std::pair<Key, Mode>> steps = {
      {Key::character('a'), Mode::entry},        {keys::enter, Mode::errorBar},
      {Key::character('z'), Mode::entry},        {Key::character('h'), Mode::help},
      {Key::character('m'), Mode::help},         {keys::escape, Mode::entry},
      {Key::character('e'), Mode::quitQuestion}, {keys::f1, Mode::quitQuestion},
      {Key::character('n'), Mode::entry},        {keys::escape, Mode::quitQuestion},
      {Key::character('y'), Mode::finished},
  };
  for (const auto& [key, mode] : steps) {
    EXPECT_EQ(app.handle(key), mode != Mode::finished) << key;
    EXPECT_EQ(app.mode(), mode) << key;
  }
  // Once finished, keys change nothing.
  const Screen last = console.screen();
  EXPECT_FALSE(app.handle(Key::character('A')));
  EXPECT_EQ(console.screen(), last);
}

TEST(Flushes, AreAskedForAtEachPromptErrorBarAndQuestion) {
  ScriptedConsole console;
  InteractiveApp app(console);
  app.start();
  EXPECT_EQ(console.flushes(), 1);  // the first prompt
  app.handle(keys::enter);          // refused: nothing typed
  EXPECT_EQ(console.flushes(), 1);
  app.handle(Key::character('A'));
  app.handle(keys::enter);  // the error bar
  EXPECT_EQ(console.flushes(), 2);
  app.handle(Key::character('X'));  // dismisses it
  app.handle(keys::escape);         // the quit question
  EXPECT_EQ(console.flushes(), 3);
  app.handle(Key::character('N'));  // a fresh title screen and prompt
  EXPECT_EQ(console.flushes(), 4);
}

const Keys kHand = keysOf("KQ7543 QT2 A J98");

TEST(Hands, EnterOnACompleteHandStartsTheNextHandBelowThePanel) {
  const auto run = runKeys(kHand + Keys{kEnter});
  const Screen& screen = run->screen();
  EXPECT_EQ(textAt(screen, 5, 19, 16), "KQ7543 QT2 A J98");
  EXPECT_EQ(rowText(screen, 6), "");
  EXPECT_EQ(textAt(screen, 7, 9, 1), "┌");
  EXPECT_EQ(textAt(screen, 13, 50, 15), "* opening count");
  EXPECT_EQ(rowText(screen, 14), " " + rule(78));
  EXPECT_EQ(textAt(screen, 15, 1, 15), "  Enter a hand:");
  EXPECT_EQ(screen.cursorRow(), 15);
  EXPECT_EQ(screen.cursorColumn(), 19);
  EXPECT_EQ(run->app.entry(), EntryState{});
}

// Four evaluated hands: the screen is full and the entry row has settled on row 24.
Keys fullScreenKeys() {
  Keys keys;
  for (int i = 0; i < 4; ++i) keys = keys + kHand + Keys{kEnter};
  return keys;
}

TEST(Hands, AFullScreenSettlesOnRows23And24) {
  const auto run = runKeys(fullScreenKeys());
  const Screen& screen = run->screen();
  EXPECT_EQ(rowText(screen, 23), " " + rule(78));
  EXPECT_EQ(textAt(screen, 24, 1, 15), "  Enter a hand:");
  EXPECT_EQ(rowText(screen, 25), "");
  EXPECT_EQ(screen.cursorRow(), 24);
  EXPECT_EQ(screen.cursorColumn(), 19);
}

TEST(Hands, ErrorBarOnAFullScreenUsesTheBottomRow) {
  const auto shown = runKeys(fullScreenKeys() + keysOf("AK") + Keys{kEnter});
  EXPECT_EQ(textAt(shown->screen(), 24, 19, 2), "AK");
  EXPECT_EQ(textAt(shown->screen(), 25, 19, 27), " The hand has only 2 cards ");

  const auto dismissed = runKeys(fullScreenKeys() + keysOf("AK") + Keys{kEnter, "Z", "Q"});
  const Screen& screen = dismissed->screen();
  EXPECT_EQ(textAt(screen, 24, 19, 4), "AKQ ");
  EXPECT_EQ(rowText(screen, 25), "");
  EXPECT_EQ(rowText(screen, 23), " " + rule(78));
  EXPECT_EQ(screen.cursorRow(), 24);
  EXPECT_EQ(screen.cursorColumn(), 22);
}

TEST(Hands, QuitPromptOnAFullScreenUsesTheBottomRow) {
  const auto run = runKeys(fullScreenKeys() + keysOf("AK") + Keys{kEscape});
  EXPECT_EQ(textAt(run->screen(), 24, 19, 2), "AK");
  EXPECT_EQ(textAt(run->screen(), 25, 30, 22), " Quit program?  (Y/n) ");
}

// A key the terminal could not name still gets the answer any key without a
// meaning gets: nothing typed goes unanswered.
TEST(UnknownKey, IsAnsweredLikeAnyKeyWithoutMeaning) {
  ScriptedConsole console;
  InteractiveApp app(console);
  app.start();
  app.handle(keys::unknown);
  EXPECT_EQ(console.beeps(), 1) << "a beep at the entry line";
  EXPECT_EQ(rowText(console.screen(), 12), "") << "the first key erases the hint";
  EXPECT_EQ(app.entry().handText, "");

  app.handle(Key::character('A'));
  app.handle(keys::enter);
  ASSERT_EQ(app.mode(), InteractiveApp::Mode::errorBar);
  app.handle(keys::unknown);
  EXPECT_EQ(app.mode(), InteractiveApp::Mode::entry) << "it dismisses the error bar";
  EXPECT_EQ(app.entry().handText, "A");

  const int beeps = console.beeps();
  app.handle(keys::escape);
  app.handle(keys::unknown);
  EXPECT_EQ(app.mode(), InteractiveApp::Mode::quitQuestion);
  EXPECT_EQ(console.beeps(), beeps + 2) << "the question's own beep, then one for the key";

  app.handle(Key::character('N'));
  app.handle(Key::character('H'));
  ASSERT_EQ(app.mode(), InteractiveApp::Mode::help);
  app.handle(keys::unknown);
  EXPECT_EQ(app.mode(), InteractiveApp::Mode::help);
  EXPECT_EQ(console.beeps(), beeps + 3);
}

// A console that shows ASCII only, as a terminal without UTF-8.
class AsciiConsole : public ScriptedConsole {
 public:
  GlyphSet glyphSet() const override { return GlyphSet::ascii; }
};

TEST(Hands, WithoutTheHalfSignHonorTricksSpellTheHalfOut) {
  AsciiConsole console;
  InteractiveApp app(console);
  app.start();
  for (const char ch : std::string("akt9xx - qjxxx t2\r")) {
    app.handle(Key::character(static_cast<unsigned char>(ch)));
  }
  EXPECT_EQ(textAt(console.screen(), 11, 44, 24), "Honor Tricks:     2.5   ");
}

}  // namespace
}  // namespace bidgauge
