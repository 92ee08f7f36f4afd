// The roll keyword vocabulary and the rule table: token type, written form
// (how the keyword is echoed) and the numbers each rule takes.
#include <cstring>

#include "dice/rules.h"

namespace Dice {

const KeywordEntry kKeywords[] = {
    {"D", 300}, {"DX", 400}, {"RC", 402}, {"R", 410},
};
const std::size_t kKeywordCount = sizeof kKeywords / sizeof kKeywords[0];

const RuleEntry kRules[] = {
    {300, "D", Operand::kOptional, Operand::kOptional, RulePlainDice},
    {400, "R", Operand::kRequired, Operand::kOptional, RuleDoubleCross},
    {402, "R", Operand::kRequired, Operand::kOptional, RuleDoubleCross},
};
const std::size_t kRuleCount = sizeof kRules / sizeof kRules[0];

namespace {

const RuleEntry* FindRule(int32_t type) {
  for (std::size_t i = 0; i < kRuleCount; ++i) {
    if (kRules[i].type == type) return &kRules[i];
  }
  return nullptr;
}

}  // namespace

int32_t KeywordType(const char* word) {
  for (std::size_t i = 0; i < kKeywordCount; ++i) {
    if (std::strcmp(kKeywords[i].word, word) == 0) return kKeywords[i].type;
  }
  return 0;
}

const char* WrittenForm(int32_t type) {
  const RuleEntry* rule = FindRule(type);
  return rule != nullptr ? rule->written_form : nullptr;
}

int DispatchRule(RuleResult& result, int32_t type, const RuleInput& input) {
  const RuleEntry* rule = FindRule(type);
  if (rule == nullptr || rule->rule == nullptr) return 1;
  if ((rule->before == Operand::kNotAllowed && input.has_before) ||
      (rule->after == Operand::kNotAllowed && input.has_after) ||
      (rule->before == Operand::kRequired && !input.has_before) ||
      (rule->after == Operand::kRequired && !input.has_after)) {
    return 1;
  }
  RuleInput used = input;
  if (rule->before == Operand::kIgnored) used.has_before = false;
  if (rule->after == Operand::kIgnored) used.has_after = false;
  result = RuleResult();
  return rule->rule(result, type, used);
}

}  // namespace Dice
