#include "terminal/terminal_style.hpp"

namespace bidgauge {

ColorDepth colorDepth(int colors, int colorPairs) {
  if (colors >= 16 && colorPairs >= 256) return ColorDepth::sixteen;
  if (colors >= 8 && colorPairs >= 64) return ColorDepth::eight;
  return ColorDepth::none;
}

// Every colour combination has its own pair; XOR with the resting
// combination moves that one to pair 0.
CellStyle cellStyle(std::uint8_t attr, ColorDepth depth, std::uint8_t resting) {
  const TextLook look = textLook(attr, depth);
  const TextLook rest = textLook(resting, depth);
  int pair = 0;
  switch (depth) {
    case ColorDepth::sixteen:
      pair = ((look.background ^ rest.background) << 4) | (look.foreground ^ rest.foreground);
      break;
    case ColorDepth::eight:
      pair = ((look.background ^ rest.background) << 3) | (look.foreground ^ rest.foreground);
      break;
    case ColorDepth::none:
      break;
  }
  return {pair, look.foreground, look.background, look.bold, look.reverse};
}

}  // namespace bidgauge
