// "#SET": defines, changes and deletes a character's state. One line does one
// thing, the first that applies: wipe the channel, reset the character, delete
// or set the closed-dice destination, set the memo, or set the counter and the
// critical and fumble lists together. Everything is checked before the first
// write, and a write that fails undoes the others of the line.
#include <string>

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

// The answer lines of a SET, built before anything is written so that an
// answer that cannot be sent leaves the file as it was.
struct Answer {
  std::string channel_line;  // a raw line (the channel wipe), or empty
  std::string text;          // "<name> -> text" to the reply target
  std::string second_target, second_text;

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

}  // namespace

void SetCounter::Execute() {
  const SetCounterRequest request = CounterStore::ReadSetCounterRequest(Params);
  if (!request.AnythingRecognised()) return;  // no answer, nothing written
  if (CounterStore::RefuseSharedSection(*this)) return;

  SettingsChange change(SettingsPath);
  Answer answer;
  bool written = true;
  const std::string memo_key = CounterStore::MemoKey(NickKey);
  if (request.wipe_channel) {
    mirado::FormatToString(answer.channel_line, kReplyBufferSize, "NOTICE %s :%s のカウンタを全て初期化しました。",
                           ReplyTarget, ReplyTarget);
    if (!Reply.Fits(answer.Size(ReplyTarget, Name()))) return;
    written = SettingsStore::DeleteSection(SettingsPath, ReplyTarget);
  } else if (request.reset_character) {
    // The counter and both value lists go; the memo stays.
    answer.text = "カウンタ定義を削除しました。";
    if (!Reply.Fits(answer.Size(ReplyTarget, Name()))) return;
    written = change.Write(ReplyTarget, NickKey, nullptr) && change.Write("CriticalValue", NickKey, nullptr) &&
              change.Write("FumbleValue", NickKey, nullptr);
  } else if (request.delete_destination) {
    answer.text = "クローズダイス設定を削除しました。";
    if (!Reply.Fits(answer.Size(ReplyTarget, Name()))) return;
    written = change.Write("ClosedDice", ReplyTarget, nullptr);
  } else if (request.set_destination) {
    if (request.destination.size() > CounterStore::kDestinationLimit) {
      Say("%s", CounterStore::kDestinationTooLongMessage);
      return;
    }
    mirado::FormatToString(answer.text, kLineSize, "%s をクローズダイス用チャンネルに設定しました。",
                           request.destination.c_str());
    if (!Reply.Fits(answer.Size(ReplyTarget, Name()))) return;
    written = change.Write("ClosedDice", ReplyTarget, request.destination.c_str());
  } else if (request.has_memo) {
    // A memo typed in a place with a closed-dice destination is kept in the
    // destination's section (a hidden memo): the place learns only that it
    // was set, the destination that it came from here.
    const std::string destination = SettingsStore::ReadString(SettingsPath, "ClosedDice", ReplyTarget, "", kLineSize);
    if (destination.size() > CounterStore::kDestinationLimit) {
      Say("%s", CounterStore::kDestinationTooLongMessage);
      return;
    }
    if (destination.empty()) {
      answer.text = "メモを設定しました。";
    } else {
      mirado::FormatToString(answer.text, kLineSize, "%s に隠しメモを設定しました。", destination.c_str());
      answer.second_target = destination;
      mirado::FormatToString(answer.second_text, kLineSize, "隠しメモが設定されました。[%s]", ReplyTarget);
    }
    if (!Reply.Fits(answer.Size(ReplyTarget, Name()))) return;
    written = change.Write(destination.empty() ? ReplyTarget : destination, memo_key, request.memo.c_str());
  } else {
    char counter_text[kShortSize] = {};
    if (request.has_counter) {
      if (!Counter::InRange(request.counter)) {
        Say("%s", Counter::kCounterRangeMessage);
        return;
      }
      mirado::FormatText(counter_text, sizeof counter_text, "%d", request.counter);
    }
    const std::string summary = Summary(request, counter_text);
    mirado::FormatToString(answer.text, kLineSize, "%sに定義しました。", summary.c_str() + 1);
    if (!Reply.Fits(answer.Size(ReplyTarget, Name()))) return;
    written = (!request.has_counter || change.Write(ReplyTarget, NickKey, counter_text)) &&
              (request.critical.empty() || change.Write("CriticalValue", NickKey, request.critical.c_str())) &&
              (request.fumble.empty() || change.Write("FumbleValue", NickKey, request.fumble.c_str()));
  }

  if (!written) {
    Say("%s", SettingsStore::WriteFailureMessage());
    return;
  }
  if (!answer.channel_line.empty()) Reply.Line(answer.channel_line);
  if (!answer.text.empty()) Say("%s", answer.text.c_str());
  if (!answer.second_text.empty()) SayTo(answer.second_target.c_str(), "%s", answer.second_text.c_str());
}

}  // namespace BotCommand
