#include "help_test_support.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

#include "console/key.hpp"
#include "help/help_pager.hpp"
#include "support/test_names.hpp"

namespace bidgauge {

HelpRun runHelp(const std::vector<std::string>& keys, int background,
                const std::function<void(Console&)>& afterCapture) {
  ScriptedConsole console;
  console.setColor(color::yellow, background);
  console.clearScreen();
  console.hideCursor();
  HelpRun run;
  if (afterCapture) afterCapture(console);
  HelpPager pager(console);
  pager.open();
  for (const std::string& keyText : keys) {
    run.waits.push_back({console.screen(), console.beeps()});
    if (afterCapture) afterCapture(console);
    if (!pager.handle(Key::fromText(keyText).upperCased())) {
      run.left = true;
      break;
    }
  }
  run.cursorVisible = console.screen().cursorVisible();
  run.beeps = console.beeps();
  return run;
}

std::vector<std::string> repeated(const std::string& key, int count,
                                  std::vector<std::string> rest) {
  std::vector<std::string> keys(static_cast<std::size_t>(count), key);
  keys.insert(keys.end(), rest.begin(), rest.end());
  return keys;
}

namespace {

std::string fixtureName(int number) {
  return std::string(number < 10 ? "page0" : "page") + std::to_string(number) + ".txt";
}

}  // namespace

ScreenPicture pageFixture(int number) {
  const std::string name = fixtureName(number);
  const std::optional<ScreenPicture> picture = parsePicture(readHelpFixture(name));
  if (!picture) {
    ADD_FAILURE() << "fixture " << name << " is missing or malformed (BIDGAUGE_SOURCE_DIR="
                  << (std::getenv("BIDGAUGE_SOURCE_DIR") ? std::getenv("BIDGAUGE_SOURCE_DIR") : "")
                  << ")";
    return {};
  }
  return *picture;
}

void expectSamePicture(const ScreenPicture& actual, const ScreenPicture& expected,
                       bool checkBackground) {
  for (std::size_t i = 0; i < actual.text.size(); ++i) {
    EXPECT_EQ(actual.text[i], expected.text[i]) << "text of row " << i + 1;
    EXPECT_EQ(actual.foreground[i], expected.foreground[i]) << "foreground of row " << i + 1;
  }
  if (checkBackground) {
    EXPECT_EQ(actual.background, expected.background) << "background";
  }
  EXPECT_EQ(actual.cursorRow, expected.cursorRow) << "cursor row";
  EXPECT_EQ(actual.cursorColumn, expected.cursorColumn) << "cursor column";
}

std::string pageKeyTestName(int page, std::string_view keyText) {
  const Key key = Key::fromText(keyText);
  std::string name;
  if (key == keys::space) {
    name = "Space";
  } else if (key == keys::up) {
    name = "Up";
  } else if (key == keys::pageDown) {
    name = "PageDown";
  } else if (key.isCharacter() && std::isalnum(key.byte())) {
    name = std::string(1, static_cast<char>(key.byte()));
  } else if (key.isCharacter()) {
    name = nameFromText(keyText);  // Enter, Escape, Backspace, Dot...
  } else {
    name = nameFromText(describe(key));  // F1 to F10, or the scan code
  }
  return "Page" + std::to_string(page) + "_" + name;
}

}  // namespace bidgauge
