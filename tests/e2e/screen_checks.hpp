#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/pty_terminal.hpp"

namespace bidgauge::e2e {

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
