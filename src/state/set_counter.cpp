// "#SET": defines, changes and deletes a character's state. One line does one
// thing, the first that applies: wipe the channel, reset the character, delete
// or set the closed-dice destination, set the memo, or set the counter and the
// critical and fumble lists together. Everything is checked before the first
// write, and a write that fails undoes the others of the line.
#include <string>
#include <string_view>
#include <vector>

#include "core/counter.h"
#include "core/settings_store.h"
#include "core/text.h"
#include "state/counter_store.h"
#include "state/set_counter_request.h"
#include "state/settings_change.h"
#include "state/state.h"

namespace BotCommand {
namespace {

using CounterStore::SetCounterRequest;
using CounterStore::SettingsChange;

// What a SET line will do, settled before anything is written: the answer
// lines (so that an answer that cannot be sent leaves the file as it was) and
// the writes, a whole-section wipe or a list of keys to set or delete.
struct Plan {
  std::string channel_line;  // a raw line (the channel wipe), or empty
  std::string text;          // "<name> -> text" to the reply target
  std::string second_target, second_text;
  bool wipe = false;
  struct Write {
    std::string section, key, value;
    bool remove;
  };
  std::vector<Write> writes;

  void Set(std::string_view section, std::string_view key, std::string_view value) {
    writes.push_back({std::string(section), std::string(key), std::string(value), false});
  }
  void Remove(std::string_view section, std::string_view key) {
    writes.push_back({std::string(section), std::string(key), std::string(), true});
  }
  std::size_t Size(const char* target, const char* name) const {
    std::size_t size = channel_line.empty() ? 0 : channel_line.size() + 2;
    if (!text.empty()) size += ReplyWriter::NoticeSize(target, name, text);
    if (!second_text.empty()) size += ReplyWriter::NoticeSize(second_target, name, second_text);
    return size;
  }
};

// "%s カウンタを%s%s Ｃ値を%s%s Ｆ値を%s": the pieces that were given, each
// after one space; the answer drops the first space after the arrow.
std::string Summary(const SetCounterRequest& request, const char* counter_text) {
  std::string summary;
  if (request.has_counter) mirado::FormatToString(summary, kLineSize, "%s カウンタを%s", summary.c_str(), counter_text);
  if (!request.critical.empty()) {
    mirado::FormatToString(summary, kLineSize, "%s Ｃ値を%s", summary.c_str(), request.critical.c_str());
  }
  if (!request.fumble.empty()) {
    mirado::FormatToString(summary, kLineSize, "%s Ｆ値を%s", summary.c_str(), request.fumble.c_str());
  }
  return summary;
}

// Settles what the line does, the first that applies; false (after saying
// why) when the line is refused.
bool PlanLine(BotCommandAbstract& command, const SetCounterRequest& request, Plan& plan) {
  if (request.wipe_channel) {
    mirado::FormatToString(plan.channel_line, kReplyBufferSize, "NOTICE %s :%s のカウンタを全て初期化しました。",
                           command.ReplyTarget, command.ReplyTarget);
    plan.wipe = true;
  } else if (request.reset_character) {
    // The counter and both value lists go; the memo stays.
    plan.text = "カウンタ定義を削除しました。";
    plan.Remove(command.ReplyTarget, command.NickKey);
    plan.Remove("CriticalValue", command.NickKey);
    plan.Remove("FumbleValue", command.NickKey);
  } else if (request.delete_destination) {
    plan.text = "クローズダイス設定を削除しました。";
    plan.Remove("ClosedDice", command.ReplyTarget);
  } else if (request.set_destination) {
    if (request.destination.size() > CounterStore::kDestinationLimit) {
      command.Say("%s", CounterStore::kDestinationTooLongMessage);
      return false;
    }
    mirado::FormatToString(plan.text, kLineSize, "%s をクローズダイス用チャンネルに設定しました。",
                           request.destination.c_str());
    plan.Set("ClosedDice", command.ReplyTarget, request.destination);
  } else if (request.has_memo) {
    // A memo typed in a place with a closed-dice destination is kept in the
    // destination's section (a hidden memo): the place learns only that it
    // was set, the destination that it came from here.
    const std::string destination =
        SettingsStore::ReadString(command.SettingsPath, "ClosedDice", command.ReplyTarget, "", kLineSize);
    if (destination.size() > CounterStore::kDestinationLimit) {
      command.Say("%s", CounterStore::kDestinationTooLongMessage);
      return false;
    }
    // A destination named like a shared section (a private talk with the
    // nick "Pool") would put the memo among every channel's pools.
    if (CounterStore::IsSharedSection(destination)) {
      command.Say("%s には隠しメモを置けません（設定ファイルの予約名です）。", destination.c_str());
      return false;
    }
    if (destination.empty()) {
      plan.text = "メモを設定しました。";
    } else {
      mirado::FormatToString(plan.text, kLineSize, "%s に隠しメモを設定しました。", destination.c_str());
      plan.second_target = destination;
      mirado::FormatToString(plan.second_text, kLineSize, "隠しメモが設定されました。[%s]", command.ReplyTarget);
    }
    plan.Set(destination.empty() ? command.ReplyTarget : destination, CounterStore::MemoKey(command.NickKey),
             request.memo);
  } else {
    char counter_text[kShortSize] = {};
    if (request.has_counter) {
      if (!Counter::InRange(request.counter)) {
        command.Say("%s", Counter::kCounterRangeMessage);
        return false;
      }
      mirado::FormatText(counter_text, sizeof counter_text, "%d", request.counter);
      plan.Set(command.ReplyTarget, command.NickKey, counter_text);
    }
    if (!request.critical.empty()) plan.Set("CriticalValue", command.NickKey, request.critical);
    if (!request.fumble.empty()) plan.Set("FumbleValue", command.NickKey, request.fumble);
    mirado::FormatToString(plan.text, kLineSize, "%sに定義しました。", Summary(request, counter_text).c_str() + 1);
  }
  return true;
}

}  // namespace

void SetCounter::Execute() {
  const SetCounterRequest request = CounterStore::ReadSetCounterRequest(Params);
  if (!request.AnythingRecognised()) return;  // no answer, nothing written
  if (CounterStore::RefuseSharedSection(*this)) return;
  Plan plan;
  if (!PlanLine(*this, request, plan)) return;
  if (!Reply.Fits(plan.Size(ReplyTarget, Name()))) return;

  bool written = true;
  if (plan.wipe) {
    written = SettingsStore::DeleteSection(SettingsPath, ReplyTarget);
  } else {
    SettingsChange change(SettingsPath);
    for (const Plan::Write& write : plan.writes) {
      written = change.Write(write.section, write.key, write.remove ? nullptr : write.value.c_str());
      if (!written) break;
    }
  }
  if (!written) {
    Say("%s", SettingsStore::WriteFailureMessage(SettingsStore::kWriteFailedMessage));
    return;
  }
  if (!plan.channel_line.empty()) Reply.Line(plan.channel_line);
  if (!plan.text.empty()) Say("%s", plan.text.c_str());
  if (!plan.second_text.empty()) SayTo(plan.second_target.c_str(), "%s", plan.second_text.c_str());
}

}  // namespace BotCommand
