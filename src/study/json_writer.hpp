#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bidgauge {

// Writes JSON a person can read: a member or element a line, except inside
// objects and arrays opened as one-liners (small leaves such as an interval).
// The caller nests begin/end calls rightly; a key goes before every value
// inside an object.
class JsonWriter {
 public:
  void beginObject(bool oneLine = false) { open('{', oneLine); }
  void endObject() { close('}'); }
  void beginArray(bool oneLine = false) { open('[', oneLine); }
  void endArray() { close(']'); }
  void key(std::string_view name);
  void string(std::string_view text);
  void number(double value);  // exactly; null when it is no number
  void integer(std::int64_t value);
  void unsignedInteger(std::uint64_t value);

  // The text written, ending in a newline.
  std::string text() const { return out_ + "\n"; }

 private:
  struct Level {
    bool oneLine;
    bool empty;
  };
  void open(char bracket, bool oneLine);
  void close(char bracket);
  void beforeValue();  // the comma and line break before a value or key

  std::string out_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

}  // namespace bidgauge
