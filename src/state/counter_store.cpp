#include "state/counter_store.h"

#include "core/counter.h"
#include "core/settings_store.h"
#include "core/text.h"

namespace CounterStore {
namespace {

// Every fixed section of the settings file.
constexpr std::string_view kSharedSections[] = {
    "CharactersName", "GameMode",  "ClosedDice", "CriticalValue", "FumbleValue", "CardShuffle",
    "CardCount",      "CardMode1", "CardMode2",  "Pool",          "Pool.Mode",
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

std::string MemoKey(std::string_view nick_key) { return std::string(nick_key) + ".Memo"; }

bool IsSharedSection(std::string_view target) {
  for (std::string_view name : kSharedSections) {
    if (EqualsIgnoringCase(name, target)) return true;
  }
  return false;
}

bool RefuseSharedSection(BotCommand::BotCommandAbstract& command) {
  if (!IsSharedSection(command.ReplyTarget)) return false;
  command.Say("この会話ではカウンタ/メモを使えません（%s は設定ファイルの予約名です）。", command.ReplyTarget);
  return true;
}

int32_t ReadCounter(const BotCommand::BotCommandAbstract& command, std::string_view section, std::string_view key) {
  return SettingsStore::ReadInt(command.SettingsPath, section, key, 0);
}

bool RefuseOutOfRange(BotCommand::BotCommandAbstract& command, int64_t value) {
  if (Counter::InRange(value)) return false;
  command.Say("%s", Counter::kCounterRangeMessage);
  return true;
}

bool StoreCounter(BotCommand::BotCommandAbstract& command, std::string_view section, std::string_view key,
                  int32_t value, std::string_view target, std::string_view name, const std::string& text) {
  if (!command.Reply.Fits(BotCommand::ReplyWriter::NoticeSize(target, name, text))) return false;
  char stored[16];
  mirado::FormatText(stored, sizeof stored, "%d", value);
  if (!SettingsStore::WriteString(command.SettingsPath, section, key, stored)) {
    command.Say("%s", SettingsStore::WriteFailureMessage());
    return false;
  }
  return command.Reply.Notice(target, name, text);
}

}  // namespace CounterStore
