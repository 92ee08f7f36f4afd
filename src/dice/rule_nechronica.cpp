// Nechronica roll ("NC", "NCR") and attack roll ("NA", "NCA", "NCRA"): ten-
// sided dice (one unless a number stands before the keyword), each raised by
// the first critical value as a modifier; the highest modified die decides.
// The plain roll marks a great success at 11, a success at 6, and for a
// failure with several dice the number of dice at 1 or less (damage); the
// attack roll shows where the hit lands from the attack table.
//
// A count of 0 or less rolls nothing (the highest die is then the modifier);
// more than kMaxDice dice are refused. A modified die is saturated to 32 bits.
#include "core/text.h"
#include "dice/rule_data.h"
#include "dice/rules.h"

namespace Dice {
namespace {

int AttackRowOf(int32_t highest) {
  if (highest <= 1) return 0;
  if (highest >= 11) return 10;
  return highest - 1;
}

}  // namespace

int RuleNechronica(RuleResult& result, int32_t type, const RuleInput& input) {
  const int32_t count = input.has_before ? input.before : 1;
  if (count > kMaxDice) return 1;
  const int32_t modifier = input.critical_count > 0 ? input.critical[0] : 0;

  // The raw and modified dice are listed as they are rolled.
  std::string raw_list, modified_list;
  int32_t highest = modifier, damaged = 0;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t die = RandomSource::Draw(10) + 1;
    const int32_t value = Saturate(static_cast<int64_t>(die) + modifier);
    AppendListed(raw_list, i > 0 ? ',' : '\0', die);
    if (modifier != 0) AppendListed(modified_list, i > 0 ? ',' : '\0', value);
    if (i == 0 || value > highest) highest = value;
    if (value <= 1) ++damaged;
  }

  char mark[256];
  if (type == kNechronicaAttack) {
    const AttackRow& row = kAttackTable[AttackRowOf(highest)];
    if (row.location != nullptr && row.adds_damage) {
      // The extra damage (the highest die over 10) follows the row's text.
      mirado::FormatText(mark, sizeof mark, "%s%d", row.location, highest - 10);
    } else if (row.location != nullptr) {
      mirado::CopyText(mark, sizeof mark, row.location);
    } else {
      mirado::CopyText(mark, sizeof mark, row.result_word);
    }
  } else if (highest >= 11) {
    mirado::CopyText(mark, sizeof mark, "大成功");
  } else if (highest >= 6) {
    mirado::CopyText(mark, sizeof mark, "成功");
  } else if (damaged == 0) {
    mirado::CopyText(mark, sizeof mark, "失敗");
  } else if (count <= 1) {
    mirado::CopyText(mark, sizeof mark, "大失敗");
  } else {
    mirado::FormatText(mark, sizeof mark, "大失敗/損傷:%d", damaged);
  }

  if (modifier == 0) {
    mirado::FormatText(result.text, kTextSize, "[%s]<%s>", raw_list.c_str(), mark);
  } else {
    mirado::FormatText(result.text, kTextSize, "([%s:%+d]→[%s])<%s>", raw_list.c_str(), modifier, modified_list.c_str(),
                       mark);
  }
  result.value = highest;
  return 0;
}

}  // namespace Dice
