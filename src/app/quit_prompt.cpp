#include "app/quit_prompt.hpp"

#include "app/error_bar.hpp"
#include "console/colors.hpp"

namespace bidgauge {
namespace {

constexpr int kQuestionColumn = 30;
constexpr int kAnswerColumn = 47;  // the Y of "(Y/n)"

}  // namespace

void askQuit(Console& console) {
  console.setColor(color::brightWhite, color::magenta);
  console.moveCursor(rowBelowEntry(console.cursorRow()), kQuestionColumn);
  console.printText(" Quit program?  (Y/n) ");
  console.moveToColumn(kAnswerColumn);
  console.flushKeys();  // type-ahead must not answer the question
  console.playBeep();
  console.setColor(color::yellow, color::blue);
}

QuitAnswer answerQuit(Console& console, Key key) {
  if (key == Key::character('N')) {
    console.newLine();
    console.newLine();
    return QuitAnswer::stay;
  }
  if (key == Key::character('Y') || key == keys::enter || key == keys::escape) {
    console.newLine();
    return QuitAnswer::quit;
  }
  console.playBeep();
  return QuitAnswer::undecided;
}

}  // namespace bidgauge
