#pragma once

namespace bidgauge::color {

// The sixteen console colours; a cell attribute is foreground + 16 * background.
inline constexpr int black = 0;
inline constexpr int blue = 1;
inline constexpr int green = 2;
inline constexpr int cyan = 3;
inline constexpr int red = 4;
inline constexpr int magenta = 5;
inline constexpr int brown = 6;
inline constexpr int lightGrey = 7;
inline constexpr int darkGrey = 8;
inline constexpr int lightBlue = 9;
inline constexpr int lightGreen = 10;
inline constexpr int lightCyan = 11;
inline constexpr int lightRed = 12;
inline constexpr int lightMagenta = 13;
inline constexpr int yellow = 14;
inline constexpr int brightWhite = 15;

// Passed to setColor for a colour that is to stay as it is.
inline constexpr int keep = -1;

}  // namespace bidgauge::color
