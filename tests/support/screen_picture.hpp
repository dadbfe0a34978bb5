#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "console/screen.hpp"

namespace bidgauge {

// A screen as a reviewer reads it: each row as UTF-8 text, each row's
// foreground colours as hex digits ('.' for a blank, whose colour cannot be
// seen), one background for the whole screen (-1 when it is mixed), and the
// cursor.
struct ScreenPicture {
  std::array<std::string, Screen::kRows> text;
  std::array<std::string, Screen::kRows> foreground;
  int background = -1;
  int cursorRow = 0;
  int cursorColumn = 0;

  friend bool operator==(const ScreenPicture&, const ScreenPicture&) = default;
};

ScreenPicture pictureOf(const Screen& screen);

// The fixture file form of a picture; `heading` becomes its opening comment.
std::string formatPicture(const ScreenPicture& picture, std::string_view heading);

// Reads the fixture file form back; nullopt when the text is malformed.
std::optional<ScreenPicture> parsePicture(std::string_view fileText);

// The text of tests/help/fixtures/<name>, found through BIDGAUGE_SOURCE_DIR;
// empty when it cannot be read.
std::string readHelpFixture(std::string_view name);

}  // namespace bidgauge
