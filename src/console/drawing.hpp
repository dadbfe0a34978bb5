#pragma once

#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/colors.hpp"
#include "console/screen.hpp"

namespace bidgauge {

// One step of drawing static content. Screens and parts of screens are written
// as tables of steps and drawn by `draw`; wrapping, tabbing and scrolling are
// the screen's own.
struct DrawStep {
  enum class Op { color, moveTo, moveToColumn, tabTo, text, newLine };

  Op op = Op::color;
  int foreground = color::keep;  // set before the step, as is the background
  int background = color::keep;
  int row = 0;            // Op::moveTo
  int column = 0;         // Op::moveTo, Op::moveToColumn, Op::tabTo
  std::string_view text;  // Op::text: code page 437 bytes, printed `times` times
  int times = 1;
};

// Draws the steps in order.
void draw(Screen& screen, std::span<const DrawStep> steps);

// The factories step tables are written with.
namespace drawing {
constexpr DrawStep paint(int foreground, int background = color::keep) {
  return {DrawStep::Op::color, foreground, background, 0, 0, {}, 1};
}
constexpr DrawStep at(int row, int column) {
  return {DrawStep::Op::moveTo, color::keep, color::keep, row, column, {}, 1};
}
// Moves along the cursor's row.
constexpr DrawStep column(int column) {
  return {DrawStep::Op::moveToColumn, color::keep, color::keep, 0, column, {}, 1};
}
// Blanks up to `column`, through the end of the row when it lies behind the cursor.
constexpr DrawStep tab(int column, int foreground = color::keep) {
  return {DrawStep::Op::tabTo, foreground, color::keep, 0, column, {}, 1};
}
// The text must outlive the table: a literal, or a text a Drawing owns.
constexpr DrawStep say(std::string_view text, int foreground = color::keep, int times = 1) {
  return {DrawStep::Op::text, foreground, color::keep, 0, 0, text, times};
}
// One code page 437 glyph, `times` times over. The step keeps a view of the
// byte, so pass a constant (of namespace glyph, say), never a temporary.
constexpr DrawStep sym(const char& glyph, int foreground = color::keep, int times = 1) {
  return say(std::string_view(&glyph, 1), foreground, times);
}
constexpr DrawStep lineEnd() {
  return {DrawStep::Op::newLine, color::keep, color::keep, 0, 0, {}, 1};
}
}  // namespace drawing

// Steps built at run time, with the texts made for them kept alive alongside.
// Not copyable: the steps view texts this object owns.
class Drawing {
 public:
  Drawing() = default;
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;
  Drawing(Drawing&&) = default;
  Drawing& operator=(Drawing&&) = default;
  ~Drawing() = default;

  Drawing& add(const DrawStep& step) {
    steps_.push_back(step);
    return *this;
  }
  // Adds a text step showing `text`, which this drawing keeps.
  Drawing& say(std::string text, int foreground = color::keep);

  std::span<const DrawStep> steps() const { return steps_; }

 private:
  std::deque<std::string> texts_;  // a deque never moves its elements as it grows
  std::vector<DrawStep> steps_;
};

inline void draw(Screen& screen, const Drawing& drawing) {
  draw(screen, drawing.steps());
}

}  // namespace bidgauge
