#pragma once

#include "history/HistoryEntries.h"
#include "history/HistoryLines.h"

namespace history {

// Deletes the value behind every selected line, in the order of the lines,
// rebuilding each name from its entry number; a value that cannot be deleted
// is passed over. An absent history key deletes nothing. The key is closed
// on every path, which is where a deferring store makes the deletions last.
void PurgeSelected(WindowState& state, const HistoryLines& lines);

}  // namespace history
