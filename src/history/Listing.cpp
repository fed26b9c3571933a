#include "history/Listing.h"

#include "history/KeyGuard.h"

namespace history {

void ListHistory(store::RegistryStore& currentUser, WindowState& state, HistoryLines& lines) {
  state.HistoryRegistry = std::make_unique<framework::Registry>(currentUser);
  state.EntryNumbers = std::make_unique<framework::StringList>();
  state.EntryUrls = std::make_unique<framework::StringList>();
  framework::Registry& registry = *state.HistoryRegistry;
  framework::StringList& numbers = *state.EntryNumbers;
  framework::StringList& urls = *state.EntryUrls;

  KeyGuard guard(registry);
  if (registry.OpenKey(kHistoryKey)) {
    registry.GetValueNames(numbers);
    for (std::size_t i = 0; i < numbers.Count(); ++i) {
      numbers.Set(i, ToEntryNumber(numbers.Get(i)));
    }
    numbers.Sort();
    for (std::size_t i = 0; i < numbers.Count(); ++i) {
      urls.Add(registry.ReadString(ToValueName(numbers.Get(i))));
      lines.AddLine(numbers.Get(i) + ":" + urls.Get(i));
    }
  }
  guard.Close();
}

}  // namespace history
