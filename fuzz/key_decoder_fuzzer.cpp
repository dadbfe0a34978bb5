// The key decoder on raw terminal bytes: any burst of input, however broken,
// gives well-formed keys, at most one per byte, and leaves no sequence pending.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "terminal/key_decoder.hpp"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<bidgauge::Key> keys = bidgauge::decodeBurst(bytes);
  check(keys.size() <= size);
  for (const bidgauge::Key key : keys) {
    // A character key is never NUL (that is a scan code), and a key's text
    // reads back as the same key.
    check(!key.isCharacter() || key.byte() != 0);
    check(bidgauge::Key::fromText(key.text()) == key);
  }
  return 0;
}
