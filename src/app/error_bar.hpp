#pragma once

#include "console/console.hpp"
#include "hand/entry_state.hpp"

namespace bidgauge {

// Where an error bar stands and where typing goes on once it is gone.
struct ErrorBarPlace {
  int barRow = 0;
  int typingRow = 0;
  int typingColumn = 0;
};

// Shows the message for state.entryError in a bar below the entry row, with
// the beep; the next key, whatever it is, dismisses it.
ErrorBarPlace showEntryError(Console& console, const EntryState& state);

// Erases the bar and puts the cursor back where typing goes on.
void dismissEntryError(Console& console, const ErrorBarPlace& place);

// The row for a bar or question shown below the entry row: two rows down, or
// the bottom row when that does not exist, so the typed text is never covered.
int rowBelowEntry(int entryRow);

}  // namespace bidgauge
