#pragma once

#include "console/console.hpp"
#include "hand/entry_state.hpp"

namespace bidgauge {

// Shows the message for state.entryError in a bar below the entry row, waits
// for any key (which is consumed), erases the bar and puts the cursor back.
void showEntryError(Console& console, const EntryState& state);

// The row for a bar or question shown below the entry row: two rows down, or
// the bottom row when that does not exist, so the typed text is never covered.
int rowBelowEntry(int entryRow);

}  // namespace bidgauge
