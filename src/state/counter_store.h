// What the state commands share about the settings file: the keys of a
// character's counter and memo in a channel's section, the names a private
// conversation may not use as its section, and raising the counter within its
// bounds with the answer that reports it.
#ifndef MIRADO_STATE_COUNTER_STORE_H_
#define MIRADO_STATE_COUNTER_STORE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/bot_command.h"

namespace CounterStore {

// The longest closed-dice destination kept: the field that holds it (and the
// closed rolls that read it) has room for 255 bytes. A longer one is refused
// rather than cut, since the cut name would be another channel. The refusal
// counts in the characters a player types: 255 half-width or 127 full-width.
constexpr std::size_t kDestinationLimit = 255;
inline constexpr const char* kDestinationTooLongMessage =
    "クローズダイスの通知先は半角255文字、全角127文字までです。設定は変更されませんでした。";

// The memo key of a character: its NickKey followed by ".Memo". Never cut, so
// a long NickKey cannot turn its memo key into its counter key.
std::string MemoKey(std::string_view nick_key);

// True when `target`, used as a section name, would be one of the file's
// shared sections (names, game modes, closed dice, value lists, decks, pools).
// Only a private conversation can be named so (a channel starts with '#' or
// '&'): a nick such as "Pool" would otherwise wipe every channel's pool with
// one INIT, so the state commands refuse such a conversation.
bool IsSharedSection(std::string_view target);
// Says why the command does nothing there and returns true, or returns false
// when the reply target may keep counters.
bool RefuseSharedSection(BotCommand::BotCommandAbstract& command);

// Raises the counter under `key` in `section` (default 0 when absent) by
// `amount`, then adds the answer line `make_text(old, new)` to `target` under
// `name`. Checks everything first: a new value beyond the counter's bounds is
// refused with the bounds message, a line that would not fit the reply is not
// written and nothing is stored, and a failed write gets the write-failure
// answer instead of the report. Returns true when the counter was stored.
template <typename MakeText>
bool RaiseCounter(BotCommand::BotCommandAbstract& command, std::string_view section, std::string_view key,
                  int64_t amount, std::string_view target, std::string_view name, MakeText make_text);

// The untemplated steps of RaiseCounter.
int32_t ReadCounter(const BotCommand::BotCommandAbstract& command, std::string_view section, std::string_view key);
bool StoreCounter(BotCommand::BotCommandAbstract& command, std::string_view section, std::string_view key,
                  int32_t value, std::string_view target, std::string_view name, const std::string& text);
bool RefuseOutOfRange(BotCommand::BotCommandAbstract& command, int64_t value);

template <typename MakeText>
bool RaiseCounter(BotCommand::BotCommandAbstract& command, std::string_view section, std::string_view key,
                  int64_t amount, std::string_view target, std::string_view name, MakeText make_text) {
  const int32_t old_value = ReadCounter(command, section, key);
  const int64_t new_value = static_cast<int64_t>(old_value) + amount;
  if (RefuseOutOfRange(command, new_value)) return false;
  // In range, so it fits 32 bits.
  const auto stored = static_cast<int32_t>(new_value);
  return StoreCounter(command, section, key, stored, target, name, make_text(old_value, stored));
}

}  // namespace CounterStore

#endif  // MIRADO_STATE_COUNTER_STORE_H_
