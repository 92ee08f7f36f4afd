// The roll command: reads the expression, rolls it up to five times and adds
// one answer line per roll, then applies the counter, erosion and closed-roll
// steps. The roll's whole answer stays within 1023 bytes of its own, in whole
// lines: a repetition whose line (or the notice of its counter change) would
// not fit is not rolled, and nothing it would have stored is stored.
#include "dice/roll_dice.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "core/counter.h"
#include "core/random_source.h"
#include "core/settings_store.h"
#include "core/text.h"
#include "dice/rules.h"

namespace BotCommand {
namespace {

constexpr std::size_t kOwnReplyLimit = 1023;
constexpr std::size_t kJudgementSize = 256;

const char* OperatorText(int op) {
  static const char* const kTexts[] = {"", "", "==", "!=", "<", "<=", ">", ">="};
  return op >= 2 && op <= 7 ? kTexts[op] : "";
}

// The test of a comparison code, on the exact value and target.
bool Holds(int op, const Dice::Fraction& value, const Dice::Fraction& target) {
  const int order = Dice::Fraction::Compare(value, target);
  switch (op) {
    case 2: return order == 0;
    case 3: return order != 0;
    case 4: return order < 0;
    case 5: return order <= 0;
    case 6: return order > 0;
    case 7: return order >= 0;
    default: return false;
  }
}

// Binds each rule keyword to its neighbouring numbers and replaces it by the
// rule's result, left to right. Returns false when a rule refuses.
bool ApplyRules(Dice::TokenList& list, const Dice::RuleInput& context, bool* erosion) {
  for (int i = 0; i < Dice::kTokenCount && list[i].type != Dice::kEnd;) {
    const int32_t type = list[i].type;
    if (type < Dice::kFirstKeyword) {
      ++i;
      continue;
    }
    Dice::RuleInput input = context;
    if (i + 1 < Dice::kTokenCount && list[i + 1].type == Dice::kNumber) {
      input.has_after = true;
      input.after = list[i + 1].value;
      list.Remove(i + 1);
    }
    int slot = i;
    if (i > 0 && list[i - 1].type == Dice::kNumber) {
      input.has_before = true;
      input.before = list[i - 1].value;
      list.Remove(i);
      slot = i - 1;
    }
    Dice::RuleResult result;
    if (Dice::DispatchRule(result, type, input) != 0) return false;
    if (Dice::RaisesErosion(type)) *erosion = true;
    Dice::RollToken& token = list[slot];
    token.type = result.type;
    token.value = result.value;
    if (token.text[0] == '\0') {
      mirado::CopyText(token.text, Dice::kTextSize, result.text);
    } else {
      mirado::FormatText(token.text, Dice::kTextSize, "%s:%s", token.text, result.text);
    }
    i = slot + 1;
  }
  return true;
}

// Retypes every "R": a Double Cross roll after a number, a rating roll
// otherwise.
void RetypeR(Dice::TokenList& list) {
  for (int i = 0; i < Dice::kTokenCount && list[i].type != Dice::kEnd; ++i) {
    if (list[i].type == Dice::kRetypedR) {
      list[i].type = i > 0 && list[i - 1].type == Dice::kNumber ? Dice::kDoubleCross : Dice::kRating;
    }
  }
}

}  // namespace

// One rolled repetition, ready to be written.
struct RollDice::Outcome {
  char expression_text[Dice::kTextSize] = {};
  char detail[Dice::kTextSize] = {};
  Dice::Fraction exact;  // the roll's value
  bool saw_keyword = false;
  bool erosion = false;
};

void RollDice::Execute() { Roll(); }

void RollDice::TakeContext(const BotCommandAbstract& from) {
  Output = from.Output;
  Reply = from.Reply;
  ReplyTarget = from.ReplyTarget;
  Nick = from.Nick;
  CommandWord = from.CommandWord;
  for (std::size_t i = 0; i < kParamCount; ++i) Params[i] = from.Params[i];
  Rest = from.Rest;
  mirado::CopyText(SettingsPath, sizeof SettingsPath, from.SettingsPath);
  mirado::CopyText(NickKey, sizeof NickKey, from.NickKey);
}

void RollDice::ReadExpression(char* expression, std::string* channel, bool* set_mode) {
  const char* expression_param = Params[0];
  *set_mode = false;
  if (counterMode || closedMode) {
    if (mirado::FullMatch(Params[0], "[#&].*")) {
      *channel = Params[0];
      expression_param = Params[1];
    }
    if (expression_param[0] == '=') {
      ++expression_param;
      *set_mode = true;
    } else if (std::strncmp(expression_param, "＝", 2) == 0) {
      expression_param += 2;
      *set_mode = true;
    }
  }
  char folded[Dice::kTextSize];
  mirado::FoldOperators(expression_param, folded, sizeof folded);
  mirado::ToHalfWidth(folded, expression, Dice::kTextSize);
  Dice::StripComparison(expression, &compareOp, &compareTarget, &repeatCount);
  if (repeatCount > 5) repeatCount = 5;
  if (repeatCount < 1) repeatCount = 1;
}

int RollDice::RollOnce(const char* expression, Outcome& out) {
  // One token list per thread, reused by every roll: a fresh 130 KiB list
  // per roll cost more than the roll itself (its pages and cache lines were
  // cold every time). Tokenize clears it; nothing of one roll survives into
  // the next.
  static thread_local auto list = std::make_unique_for_overwrite<Dice::TokenList>();
  bool saw_operator = false;
  if (!Dice::Tokenize(expression, *list, &saw_operator, &out.saw_keyword)) return 1;
  if (!answerAlways && !saw_operator && !out.saw_keyword) return 2;
  RetypeR(*list);
  Dice::Render(*list, Dice::RenderMode::kExpression, out.expression_text);

  int32_t critical[5], fumble[5];
  int32_t critical_count = 0, fumble_count = 0;
  for (int i = 0; i < Dice::kTokenCount && (*list)[i].type != Dice::kEnd; ++i) {
    const Dice::RollToken& t = (*list)[i];
    if (t.type == Dice::kCriticalValue && critical_count < 5) critical[critical_count++] = t.value;
    if (t.type == Dice::kFumbleValue && fumble_count < 5) fumble[fumble_count++] = t.value;
  }
  Dice::RuleInput context;
  context.critical = critical;
  context.critical_count = critical_count;
  context.fumble = fumble;
  context.fumble_count = fumble_count;
  context.nick_key = NickKey;
  context.command = this;
  if (!ApplyRules(*list, context, &out.erosion)) return 3;

  // "<expression> = <detail>" with a keyword, the detail alone without one,
  // cut at the buffer's size.
  mirado::BoundedText detail(out.detail, sizeof out.detail);
  if (out.saw_keyword) {
    detail.Add(out.expression_text);
    detail.Add(" = ");
  }
  char rendered[Dice::kTextSize];
  Dice::Render(*list, Dice::RenderMode::kDetail, rendered);
  detail.Add(rendered);

  Dice::Fraction fraction;
  if (!Dice::Evaluate(*list, &fraction)) return 4;
  out.exact = fraction;
  return 0;
}

// The value is written truncated toward zero to two decimals, an integer in
// full; the target as typed (it is always a short decimal). Both are
// compared exactly, and the two marks look at the untruncated value.
void RollDice::WriteResult(const Outcome& out, std::string* line) {
  constexpr int kShownDecimals = 2;
  constexpr int kTargetDecimals = 18;  // every typed target is exact within this
  char judgement[kJudgementSize] = {};
  if (compareOp != 0) {
    char target[64];
    compareTarget.Write(kTargetDecimals, target, sizeof target);
    if (Holds(compareOp, out.exact, compareTarget)) {
      mirado::FormatText(judgement, sizeof judgement, " %s%s <成功>", OperatorText(compareOp), target);
    } else {
      mirado::FormatText(judgement, sizeof judgement, " %s%s", OperatorText(compareOp), target);
    }
  }
  char shown[64];
  out.exact.Write(kShownDecimals, shown, sizeof shown);
  line->assign(out.detail).append(" = ").append(shown).append(judgement);
  if (line->size() > kLineSize * 2 - 1) line->resize(kLineSize * 2 - 1);
  if (Dice::Fraction::Compare(out.exact, {72, 1}) == 0) {
    line->append(" <…くっ！>");
  } else if (Dice::Fraction::Compare(out.exact, {91, 1}) == 0) {
    line->append(" <ｄｔｐｎ>");
  }
}

bool RollDice::ApplyCounter(const Outcome& out, const std::string& channel, bool set_mode, std::string* line,
                            std::string* second_line, std::string* stored_text) {
  const int64_t old_value = SettingsStore::ReadInt(SettingsPath, channel, NickKey, 0);
  char stored[24];
  if (counterMode) {
    // The exact value truncated toward zero; a counter never leaves its range.
    const int64_t whole = out.exact.numerator / out.exact.denominator;
    if (!Counter::InRange(whole)) return false;
    const int64_t new_value = set_mode ? whole : whole + old_value;
    if (!Counter::InRange(new_value)) return false;
    std::string note;
    if (channel == ReplyTarget) {
      mirado::FormatToString(note, kLineSize, "（カウンタ：%d→%d）", static_cast<int>(old_value),
                             static_cast<int>(new_value));
    } else {
      mirado::FormatToString(note, kLineSize, "（カウンタ/%s：%d→%d）", channel.c_str(), static_cast<int>(old_value),
                             static_cast<int>(new_value));
      mirado::FormatToString(*second_line, kLineSize, "%s が別chからカウンタをセットしました（ch名:%s）", Nick,
                             ReplyTarget);
    }
    *line = note;
    mirado::FormatText(stored, sizeof stored, "%d", static_cast<int>(new_value));
  } else {
    const int32_t a = RandomSource::Die(10);
    const int32_t b = RandomSource::Die(10);
    const int64_t new_value = old_value + a + b;
    if (!Counter::InRange(new_value)) return false;
    mirado::FormatText(stored, sizeof stored, "%d", static_cast<int>(new_value));
    mirado::FormatToString(*second_line, kLineSize, "侵蝕率が[%d,%d:%d]上昇しました（%d％→%d％）", a, b, a + b,
                           static_cast<int>(old_value), static_cast<int>(new_value));
  }
  *stored_text = stored;
  return true;
}

bool RollDice::CheckClosedDestination(std::string* destination, const std::string& channel) {
  *destination = channel;
  if (destination->empty()) *destination = SettingsStore::ReadString(SettingsPath, "ClosedDice", ReplyTarget, "");
  if (destination->empty()) {
    Reply.Clear();
    Say("クローズダイスの通知先が指定されていません。");
    return false;
  }
  if (SettingsStore::ReadString(SettingsPath, "ClosedDice", *destination, "") != ReplyTarget) {
    Reply.Clear();
    Say("%s 宛にクローズダイスを振ることは出来ません。許可を与えてください。", destination->c_str());
    return false;
  }
  return true;
}

int RollDice::Roll() {
  RandomSource::Reseed();
  Reply.SetOwnLimit(kOwnReplyLimit);

  std::string channel;
  bool set_mode = false;
  char expression[Dice::kTextSize];
  ReadExpression(expression, &channel, &set_mode);

  std::string destination;
  for (int repetition = 0; repetition < repeatCount; ++repetition) {
    Outcome out;
    if (const int code = RollOnce(expression, out); code != 0) return code;
    // The counter (or erosion) channel, once chosen, holds for every
    // repetition; a closed roll is checked before anything is stored, so a
    // refused one changes nothing.
    if ((counterMode || out.erosion) && channel.empty()) channel = ReplyTarget;
    if (closedMode && repetition == 0 && !CheckClosedDestination(&destination, channel)) return 5;

    std::string line, note, second_line, stored;
    WriteResult(out, &line);
    if ((counterMode || out.erosion) && !ApplyCounter(out, channel, set_mode, &note, &second_line, &stored)) {
      // The counter would leave its range: the roll is shown, the counter
      // stays as it was, and the player is told why.
      Say("%s", line.c_str());
      Say("%s", Counter::kCounterRangeMessage);
      break;
    }
    const bool to_counter_channel = counterMode && !second_line.empty();
    const char* const second_target = to_counter_channel ? channel.c_str() : ReplyTarget;
    std::string announcement;
    if (closedMode) {
      if (hideExpression) {
        mirado::FormatToString(announcement, kReplyBufferSize, "NOTICE %s :%s -> クローズダイスを振りました。[%s]",
                               destination.c_str(), Name(), ReplyTarget);
      } else {
        mirado::FormatToString(announcement, kReplyBufferSize, "NOTICE %s :%s -> クローズダイス %s を振りました。[%s]",
                               destination.c_str(), Name(), out.expression_text, ReplyTarget);
      }
    }
    // Every line of this repetition fits, or the repetition is not done.
    std::size_t size = ReplyWriter::NoticeSize(ReplyTarget, Name(), line + note);
    if (!second_line.empty()) size += ReplyWriter::NoticeSize(second_target, Name(), second_line);
    if (closedMode) size += announcement.size() + 2;
    // The one line of a single plain roll may be cut (a thousand dice); any
    // other line is whole or not written.
    const bool lone_line = repetition == 0 && second_line.empty() && !closedMode && stored.empty();
    if (lone_line) {
      Reply.NoticeCut(ReplyTarget, Name(), line);
      if (!out.saw_keyword) break;
      continue;
    }
    if (!Reply.Fits(size)) break;

    if (!stored.empty() && !SettingsStore::WriteString(SettingsPath, channel, NickKey, stored.c_str())) {
      Say("%s", line.c_str());
      Say("%s", SettingsStore::WriteFailureMessage());
      break;
    }
    Say("%s", (line + note).c_str());
    if (!second_line.empty()) SayTo(second_target, "%s", second_line.c_str());
    if (closedMode) Reply.Prepend(announcement);
    if (!out.saw_keyword) break;
  }
  return 0;
}

}  // namespace BotCommand
