// The 2D6 rolls with critical and fumble lists: "SF" rolls again and adds on
// a critical sum, "NW" ("SFM") adds 10 and rolls again. The lists are the "@"
// and "#" values of the roll; a list the roll does not give is the speaker's
// stored one (sections CriticalValue and FumbleValue of Mirado.ini, key =
// the nick key). The fumble list counts on the first roll only.
//
// A critical list holds at most five sums, which cover at most 24 of the 36
// outcomes, so a chain goes on with a probability of 2/3 at most. It is cut
// after kMaxRolls rolls (a chance below 1e-176); the last roll then counts as
// the final one.
#include "core/settings_store.h"
#include "dice/rules.h"

namespace Dice {
namespace {

constexpr int kMaxRolls = 1000;

struct ValueList {
  int32_t values[5] = {};
  int32_t count = 0;
  bool Holds(int32_t value) const {
    for (int32_t i = 0; i < count; ++i) {
      if (values[i] == value) return true;
    }
    return false;
  }
};

void CopyList(const int32_t* values, int32_t count, ValueList& list) {
  list.count = count < 5 ? count : 5;
  for (int32_t i = 0; i < list.count; ++i) list.values[i] = values[i];
}

// The roll's own lists, or the stored ones where the roll gives none. The
// settings file is read only when one of them is needed.
void LoadLists(const RuleInput& input, ValueList& critical, ValueList& fumble) {
  if (input.critical_count > 0 && input.fumble_count > 0) {
    CopyList(input.critical, input.critical_count, critical);
    CopyList(input.fumble, input.fumble_count, fumble);
    return;
  }
  ValueList stored_critical, stored_fumble;
  SettingsStore::LoadCriticalFumble(input.nick_key, stored_critical.values, stored_fumble.values,
                                    &stored_critical.count, &stored_fumble.count);
  if (input.critical_count > 0) {
    CopyList(input.critical, input.critical_count, critical);
  } else {
    critical = stored_critical;
  }
  if (input.fumble_count > 0) {
    CopyList(input.fumble, input.fumble_count, fumble);
  } else {
    fumble = stored_fumble;
  }
}

// Two six-sided dice, written "[a,b]"; returns their sum.
int32_t RollPair(std::string& text) {
  const int32_t a = RandomSource::Die(6);
  const int32_t b = RandomSource::Die(6);
  AppendFormatted(text, "[%d,%d]", a, b);
  return a + b;
}

}  // namespace

int RuleTwoD6Critical(RuleResult& result, int32_t, const RuleInput& input) {
  ValueList critical, fumble;
  LoadLists(input, critical, fumble);
  std::string text;
  int32_t value = 0;
  int rolls = 0;
  for (;;) {
    const int32_t sum = RollPair(text);
    ++rolls;
    if (rolls == 1 && fumble.Holds(sum)) {
      AppendText(text, "<ファンブル>");
      result.value = -sum;
      SetText(result, text);
      return 0;
    }
    value += sum;
    if (!critical.Holds(sum) || rolls >= kMaxRolls) break;
  }
  if (rolls > 1) AppendText(text, "<クリティカル>");
  result.value = value;
  SetText(result, text);
  return 0;
}

int RuleTwoD6PlusTen(RuleResult& result, int32_t, const RuleInput& input) {
  const int64_t base = input.has_after ? input.after : 0;
  ValueList critical, fumble;
  LoadLists(input, critical, fumble);
  std::string text;
  int64_t tens = 0;
  int32_t sum = 0;
  int rolls = 0;
  for (;;) {
    sum = RollPair(text);
    ++rolls;
    if (rolls == 1 && fumble.Holds(sum)) {
      AppendText(text, "<ファンブル>");
      result.value = -10;
      SetText(result, text);
      return 0;
    }
    if (!critical.Holds(sum) || rolls >= kMaxRolls) break;
    tens += 10;
  }
  if (rolls > 1) AppendText(text, "<クリティカル>");
  result.value = Saturate(tens + sum + base);
  SetText(result, text);
  return 0;
}

}  // namespace Dice
