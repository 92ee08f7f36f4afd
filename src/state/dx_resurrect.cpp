// "#DX_RESURRECT": Double Cross resurrection. Any line that holds the word
// (RESURRECT and its misspellings, or リザレクト) reaches this command with
// the whole line as its rest; what follows the word directly says how many
// ten-sided dice to roll and, after an at sign, whose character comes back.
// The character recovers the dice's total in hit points and its erosion rate
// (the counter) rises by the same; another player's character is only told.
#include <string>
#include <vector>

#include "core/random_source.h"
#include "core/text.h"
#include "state/counter_store.h"
#include "state/state.h"

namespace BotCommand {
namespace {

// The most dice one resurrection rolls. A character's resurrection rolls as
// many dice as the effect's level, which stays in single figures in play;
// 99 leaves room for any house rule and keeps the answer (three bytes a face)
// well inside one line. A larger request is refused with a message naming
// the bound, and changes nothing.
constexpr int32_t kMaxDice = 99;

// The resurrection word, first occurrence; group 1 is what follows it.
constexpr const char16_t* kKeywords[] = {
    uR"(.*?[RＲ][EＥ][SＳ][UＵAＡ][RＲ][RＲ]?[EＥ][CＣ][TＴ](.*))",
    uR"(.*?[リり][ザざ][レれ][クく][トと](.*))",
};
// What directly follows the word: signs without effect, the number of dice,
// an at sign and the name of another player's character.
constexpr const char16_t* kRequest = uR"([\+＋]?[\-ー―－]?[\*＊×]?([\d０-９]*)([@＠])?(\w+)?.*)";

// Rolls `count` ten-sided dice (one when count is 0 or 1): "3,7,2:12" or "5".
int32_t RollResurrectionDice(int32_t count, std::string* text) {
  RandomSource::Reseed();
  if (count <= 1) {
    const int32_t face = static_cast<int32_t>(RandomSource::Next32() % 10) + 1;
    mirado::FormatToString(*text, kShortSize, "%d", face);
    return face;
  }
  int32_t sum = 0;
  char face_text[16];
  for (int32_t i = 0; i < count; ++i) {
    const int32_t face = static_cast<int32_t>(RandomSource::Next32() % 10) + 1;
    sum += face;
    mirado::FormatText(face_text, sizeof face_text, "%d", face);
    if (i > 0) *text += ',';
    *text += face_text;
  }
  mirado::FormatText(face_text, sizeof face_text, ":%d", sum);
  *text += face_text;
  return sum;
}

}  // namespace

void DX_Resurrect::Execute() {
  if (Mode() != mirado::GameMode::kDoubleCross) return;
  const std::u16string text = mirado::ToWide(Rest != nullptr ? Rest : "");
  std::vector<std::u16string> groups;
  bool found = false;
  for (const char16_t* keyword : kKeywords) {
    if (mirado::FullMatchWide(text, keyword, &groups)) {
      found = true;
      break;
    }
  }
  if (!found) return;
  const std::u16string tail = groups[1];
  groups.clear();                                               // the matcher appends its groups
  if (!mirado::FullMatchWide(tail, kRequest, &groups)) return;  // nothing after the word
  std::string other;
  if (!groups[2].empty()) {
    other = mirado::ToNarrow(groups[3]);
  } else if (!groups[3].empty()) {
    return;  // a word glued to the keyword: ordinary chat, not a request
  }
  const int32_t count = mirado::ParseNumber(mirado::ToNarrow(groups[1]).c_str());
  if (count > kMaxDice) {
    Say("リザレクトで振れるダイスは%d個までです。", kMaxDice);
    return;
  }

  std::string dice;
  const int32_t value = RollResurrectionDice(count, &dice);
  if (!other.empty()) {
    std::string answer;
    mirado::FormatToString(answer, kLineSize, "HPが[%s]回復、侵蝕率が[%d]上昇しました", dice.c_str(), value);
    Reply.Notice(ReplyTarget, other, answer);
    return;
  }
  if (CounterStore::RefuseSharedSection(*this)) return;
  CounterStore::RaiseCounter(
      *this, ReplyTarget, NickKey, value, ReplyTarget, Name(), [&](int32_t old_value, int32_t new_value) {
        std::string answer;
        mirado::FormatToString(answer, kLineSize, "HPが[%s]回復、侵蝕率が[%d]上昇しました（%d%%%%→%d%%%%）",
                               dice.c_str(), value, old_value, new_value);
        return answer;
      });
}

}  // namespace BotCommand
