#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/pty_terminal.hpp"

namespace bidgauge::e2e {

// How long a check may wait for the screen: generous for the sanitizer build,
// while a passing wait returns as soon as the screen matches.
inline constexpr std::chrono::seconds kWait{10};

// DOS colour numbers, as the program draws with them.
inline constexpr int kBlue = 1;
inline constexpr int kMagenta = 5;
inline constexpr int kBrown = 6;
inline constexpr int kLightGrey = 7;
inline constexpr int kDarkGrey = 8;
inline constexpr int kLightGreen = 10;
inline constexpr int kLightCyan = 11;
inline constexpr int kLightRed = 12;
inline constexpr int kYellow = 14;
inline constexpr int kWhite = 15;

// The code points of a UTF-8 text, one string each: what one cell holds.
std::vector<std::string> glyphs(std::string_view utf8);

// The text stands from the position on in the DOS colours given (the
// foreground of its blanks does not show and is not checked).
::testing::AssertionResult hasText(const PtyTerminal& terminal, Position at, std::string_view utf8,
                                   int dosFg, int dosBg);

// count blank cells from the position on, on the DOS background given.
::testing::AssertionResult hasBlanks(const PtyTerminal& terminal, Position at, int count,
                                     int dosBg);

// The screen holds exactly these cells (as taken by PtyTerminal::cells()).
::testing::AssertionResult hasCells(const PtyTerminal& terminal, const std::vector<Cell>& cells);

// Lets output arrive until the check passes or the time is up; a failure
// carries the check's last complaint and the screen.
::testing::AssertionResult eventually(PtyTerminal& terminal,
                                      const std::function<::testing::AssertionResult()>& check,
                                      std::chrono::milliseconds timeout);

}  // namespace bidgauge::e2e
