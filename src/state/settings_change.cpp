#include "state/settings_change.h"

#include "core/settings_store.h"
#include "core/sizes.h"

namespace CounterStore {

bool SettingsChange::Write(std::string_view section, std::string_view key, const char* value) {
  // A key that is absent reads as whichever default is given; a stored value
  // reads the same under both.
  Previous previous{std::string(section), std::string(key), std::string(), false};
  const std::string first = SettingsStore::ReadString(path_, section, key, "0", BotCommand::kLineSize);
  const std::string second = SettingsStore::ReadString(path_, section, key, "1", BotCommand::kLineSize);
  previous.present = first == second;
  if (previous.present) previous.value = first;
  if (!SettingsStore::WriteString(path_, section, key, value)) {
    Undo();
    return false;
  }
  done_.push_back(std::move(previous));
  return true;
}

void SettingsChange::Undo() {
  for (auto it = done_.rbegin(); it != done_.rend(); ++it) {
    SettingsStore::WriteString(path_, it->section, it->key, it->present ? it->value.c_str() : nullptr);
  }
  done_.clear();
}

}  // namespace CounterStore
