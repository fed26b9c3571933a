#pragma once

#include "history/HistoryEntries.h"
#include "history/HistoryLines.h"
#include "store/RegistryStore.h"

namespace history {

// Creates the window state on the current user's registry and fills `lines`
// with one line per history entry, in ascending order of entry number. An
// absent history key lists nothing. Errors are not caught: they leave with
// the state and the lines as far as they got, and the key closed.
void ListHistory(store::RegistryStore& currentUser, WindowState& state, HistoryLines& lines);

}  // namespace history
