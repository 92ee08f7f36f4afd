// The roll keyword vocabulary: the tokenizer upper-cases a word of letters and
// looks for an equal keyword here; several keywords share a token type. "R"
// (410) is retyped before the rules run: a Double Cross roll after a number,
// a rating roll otherwise.
#include <cstring>

#include "dice/rules.h"

namespace Dice {

const KeywordEntry kKeywords[] = {
    {"D", 300},    {"DF", 302},   {"AND", 303},  {"OR", 304},   {"NOT", 305},  {"XOR", 306},  {"NAND", 307},
    {"NOR", 308},  {"DX", 400},   {"DXF", 401},  {"RC", 402},   {"SF", 403},   {"NW", 404},   {"SFM", 404},
    {"MF", 405},   {"SRSE", 406}, {"SR", 407},   {"SRE", 408},  {"SW", 409},   {"R", 410},    {"AN", 411},
    {"GE", 412},   {"GD", 413},   {"DH", 414},   {"BAN", 415},  {"BAND", 416}, {"VAN", 416},  {"AR", 417},
    {"ARA", 417},  {"MD", 418},   {"CW", 419},   {"GDS", 420},  {"GDSP", 421}, {"SWAP", 422}, {"RSWAP", 423},
    {"DB", 424},   {"DBZ", 424},  {"EBR", 425},  {"NC", 426},   {"NCR", 426},  {"NA", 427},   {"NCA", 427},
    {"NCRA", 427}, {"BRK", 428},  {"BRKA", 429}, {"TMHS", 430}, {"AE", 431},   {"BELF", 432}, {"RHD", 433},
    {"PH", 434},   {"PAG", 500},  {"PAO", 501},  {"PAOA", 502}, {"HANA", 503},
};
const std::size_t kKeywordCount = sizeof kKeywords / sizeof kKeywords[0];

namespace {

const RuleEntry* FindIn(const RuleEntry* rows, std::size_t count, int32_t type) {
  for (std::size_t i = 0; i < count; ++i) {
    if (rows[i].type == type) return &rows[i];
  }
  return nullptr;
}

const RuleEntry* FindRule(int32_t type) {
  if (const RuleEntry* r = FindIn(kGenericRules, kGenericRuleCount, type)) return r;
  if (const RuleEntry* r = FindIn(kFirstSetRules, kFirstSetRuleCount, type)) return r;
  return FindIn(kSecondSetRules, kSecondSetRuleCount, type);
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
