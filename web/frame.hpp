#pragma once

#include <optional>
#include <string>
#include <vector>

#include "web/result_card.hpp"
#include "web/screen_runs.hpp"

namespace bidgauge {

// What the page has to change after a key: the rows whose cells changed, as
// runs, and the state around them. Rows and columns are 1-based.
struct Frame {
  struct Row {
    int row = 0;
    std::vector<CellRun> runs;
    friend bool operator==(const Row&, const Row&) = default;
  };

  std::string title;
  int beeps = 0;  // beeps asked for since the last frame
  int cursorRow = 1;
  int cursorColumn = 1;
  bool cursorVisible = true;
  int cursorColor = 7;  // the foreground of the cell under the cursor
  std::vector<Row> rows;
  bool running = true;  // false once the user has quit
  // What the program takes now, so the page can offer the keys for it:
  // "entry", "error" (any key dismisses the bar), "question", "help", "ended".
  std::string mode = "entry";
  std::string message;             // the error bar's message or the question, for screen readers
  std::optional<ResultCard> card;  // a hand evaluated since the last frame
};

// {"title":"...","beeps":N,"cursor":{"row":R,"column":C,"visible":B,"color":F},
//  "rows":[[R,[[F,B,N,"text"],[F,B,1,"\u2660","Spades"],...]],...],"running":B,"mode":"...","message":"...","card":C}
// C is null or {"suits":[{"symbol":S,"cards":S,"spoken":S},...],
//               "values":[{"name":S,"shown":S,"opens":B,"spoken":S},...]}
std::string frameJson(const Frame& frame);

}  // namespace bidgauge
