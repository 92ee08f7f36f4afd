// The roll command: reads the expression, rolls it up to five times and
// appends one NOTICE line per roll, then applies the counter, erosion and
// closed-roll steps. The whole reply of a call is cut at 1023 bytes.
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "dice/dice.h"
#include "dice/rules.h"
#include "plugin/random_source.h"
#include "plugin/settings_store.h"
#include "plugin/text.h"

namespace BotCommand {
namespace {

constexpr std::size_t kReplyLimit = 1024;
constexpr std::size_t kJudgementSize = 256;

const char* OperatorText(int op) {
  static const char* const kTexts[] = {"", "", "==", "!=", "<", "<=", ">", ">="};
  return op >= 2 && op <= 7 ? kTexts[op] : "";
}

bool Holds(int op, double value, double target) {
  switch (op) {
    case 2: return value == target;
    case 3: return value != target;
    case 4: return value < target;
    case 5: return value <= target;
    case 6: return value > target;
    case 7: return value >= target;
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
    auto result = std::make_unique<Dice::RuleResult>();
    if (Dice::DispatchRule(*result, type, input) != 0) return false;
    if (type == Dice::kErosionRoll) *erosion = true;
    Dice::RollToken& token = list[slot];
    token.type = result->type;
    token.value = result->value;
    if (token.text[0] == '\0') {
      mirado::CopyText(token.text, Dice::kTextSize, result->text);
    } else {
      mirado::FormatText(token.text, Dice::kTextSize, "%s:%s", token.text, result->text);
    }
    i = slot + 1;
  }
  return true;
}

}  // namespace

void RollDice::Execute() { Roll(); }

void RollDice::TakeContext(const BotCommandAbstract& from) {
  Output = from.Output;
  ReplyTarget = from.ReplyTarget;
  Nick = from.Nick;
  CommandWord = from.CommandWord;
  for (std::size_t i = 0; i < kParamCount; ++i) Params[i] = from.Params[i];
  Rest = from.Rest;
  mirado::CopyText(SettingsPath, sizeof SettingsPath, from.SettingsPath);
  mirado::CopyText(DisplayName, sizeof DisplayName, from.DisplayName);
  mirado::CopyText(NickKey, sizeof NickKey, from.NickKey);
  mirado::CopyText(GameModeCode, sizeof GameModeCode, from.GameModeCode);
  mirado::CopyText(GameModeName, sizeof GameModeName, from.GameModeName);
}

int RollDice::Roll() {
  RandomSource::Reseed();

  // The expression, and with counting or closed rolls a channel before it.
  const char* expression_param = Params[0];
  std::string channel;
  bool set_mode = false;
  if (counterMode || closedMode) {
    if (mirado::FullMatch(Params[0], "[#&].*")) {
      channel = Params[0];
      expression_param = Params[1];
    }
    if (expression_param[0] == '=') {
      ++expression_param;
      set_mode = true;
    } else if (std::strncmp(expression_param, "＝", 2) == 0) {
      expression_param += 2;
      set_mode = true;
    }
  }

  char folded[Dice::kTextSize];
  char expression[Dice::kTextSize];
  mirado::FoldOperators(expression_param, folded, sizeof folded);
  mirado::ToHalfWidth(folded, expression, sizeof expression);
  Dice::StripComparison(expression, &compareOp, &compareTarget, &repeatCount);
  if (repeatCount > 5) repeatCount = 5;
  if (repeatCount < 1) repeatCount = 1;

  char expression_text[Dice::kTextSize] = {};
  for (int repetition = 0; repetition < repeatCount; ++repetition) {
    // Not value-initialised: that would zero 128 KiB per roll; Tokenize clears it.
    auto list = std::make_unique_for_overwrite<Dice::TokenList>();
    bool saw_operator = false, saw_keyword = false;
    if (!Dice::Tokenize(expression, *list, &saw_operator, &saw_keyword)) return 1;
    if (!answerAlways && !saw_operator && !saw_keyword) return 2;
    for (int i = 0; i < Dice::kTokenCount; ++i) {
      if ((*list)[i].type == Dice::kRetypedR) {
        (*list)[i].type = i > 0 && (*list)[i - 1].type == Dice::kNumber ? Dice::kDoubleCross : Dice::kRating;
      }
    }
    Dice::Render(*list, Dice::RenderMode::kExpression, expression_text);

    int32_t critical[5], fumble[5];
    int32_t critical_count = 0, fumble_count = 0;
    for (int i = 0; i < Dice::kTokenCount; ++i) {
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
    context.game_mode_code = GameModeCode;
    bool erosion = false;
    if (!ApplyRules(*list, context, &erosion)) return 3;

    char detail[Dice::kTextSize] = {};
    if (saw_keyword) mirado::FormatText(detail, sizeof detail, "%s = ", expression_text);
    char rendered[Dice::kTextSize];
    Dice::Render(*list, Dice::RenderMode::kDetail, rendered);
    mirado::FormatText(detail, sizeof detail, "%s%s", detail, rendered);

    Dice::Fraction fraction;
    if (!Dice::Evaluate(*list, &fraction)) return 4;
    const double value = static_cast<double>(fraction.numerator) / fraction.denominator;

    char judgement[kJudgementSize] = {};
    if (compareOp != 0) {
      if (Holds(compareOp, value, compareTarget)) {
        mirado::FormatText(judgement, sizeof judgement, " %s%g <成功>", OperatorText(compareOp), compareTarget);
      } else {
        mirado::FormatText(judgement, sizeof judgement, " %s%g", OperatorText(compareOp), compareTarget);
      }
    }
    const double shown = std::trunc(value * 100.0) / 100.0;
    mirado::FormatText(Output, kReplyLimit, "%s\r\nNOTICE %s :%s -> %s = %g%s", Output, ReplyTarget, DisplayName,
                       detail, shown, judgement);
    if (value == 72) {
      mirado::FormatText(Output, kReplyLimit, "%s <…くっ！>", Output);
    } else if (value == 91) {
      mirado::FormatText(Output, kReplyLimit, "%s <ｄｔｐｎ>", Output);
    }

    if (counterMode || erosion) {
      if (channel.empty()) channel = ReplyTarget;
      const int32_t old_value = SettingsStore::ReadInt(SettingsPath, channel, NickKey, 0);
      char stored[16];
      if (counterMode) {
        const int32_t rolled = static_cast<int32_t>(std::trunc(value));
        const int32_t new_value =
            set_mode ? rolled : static_cast<int32_t>(static_cast<uint32_t>(rolled) + static_cast<uint32_t>(old_value));
        if (channel == ReplyTarget) {
          mirado::FormatText(Output, kReplyLimit, "%s（カウンタ：%d→%d）", Output, old_value, new_value);
        } else {
          mirado::FormatText(
              Output, kReplyLimit,
              "%s（カウンタ/%s：%d→%d）\r\nNOTICE %s :%s -> %s が別chからカウンタをセットしました（ch名:%s）", Output,
              channel.c_str(), old_value, new_value, channel.c_str(), DisplayName, Nick, ReplyTarget);
        }
        mirado::FormatText(stored, sizeof stored, "%d", new_value);
      } else {
        const int32_t a = Dice::RollDie(10);
        const int32_t b = Dice::RollDie(10);
        const int32_t new_value = static_cast<int32_t>(static_cast<uint32_t>(old_value) + static_cast<uint32_t>(a + b));
        mirado::FormatText(stored, sizeof stored, "%d", new_value);
        mirado::FormatText(Output, kReplyLimit, "%s\r\nNOTICE %s :%s -> 侵蝕率が[%d,%d:%d]上昇しました（%d％→%d％）",
                           Output, ReplyTarget, DisplayName, a, b, a + b, old_value, new_value);
      }
      SettingsStore::WriteString(SettingsPath, channel, NickKey, stored);
    }

    if (closedMode) {
      std::string destination = channel;
      if (destination.empty()) destination = SettingsStore::ReadString(SettingsPath, "ClosedDice", ReplyTarget, "");
      if (destination.empty()) {
        mirado::FormatText(Output, kReplyLimit, "NOTICE %s :%s -> クローズダイスの通知先が指定されていません。",
                           ReplyTarget, DisplayName);
      } else if (SettingsStore::ReadString(SettingsPath, "ClosedDice", destination, "") != ReplyTarget) {
        mirado::FormatText(Output, kReplyLimit,
                           "NOTICE %s :%s -> %s 宛にクローズダイスを振ることは出来ません。許可を与えてください。",
                           ReplyTarget, DisplayName, destination.c_str());
      } else if (hideExpression) {
        mirado::FormatText(Output, kReplyLimit, "NOTICE %s :%s -> クローズダイスを振りました。[%s]\r\n%s",
                           destination.c_str(), DisplayName, ReplyTarget, Output);
      } else {
        mirado::FormatText(Output, kReplyLimit, "NOTICE %s :%s -> クローズダイス %s を振りました。[%s]\r\n%s",
                           destination.c_str(), DisplayName, expression_text, ReplyTarget, Output);
      }
    }
    if (!saw_keyword) break;
  }
  return 0;
}

}  // namespace BotCommand
