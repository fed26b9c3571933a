#include "history/Purge.h"

#include "history/KeyGuard.h"

namespace history {

void PurgeSelected(WindowState& state, const HistoryLines& lines) {
  framework::Registry& registry = *state.HistoryRegistry;
  KeyGuard guard(registry);
  if (registry.OpenKey(kHistoryKey)) {
    for (std::size_t i = 0; i < lines.LineCount(); ++i) {
      if (lines.IsLineSelected(i)) registry.DeleteValue(ToValueName(state.EntryNumbers->Get(i)));
    }
  }
  guard.Close();
}

}  // namespace history
