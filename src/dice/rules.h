// The shared shape of the game-system rules: one signature, one table row per
// token type with its written form and which neighbouring numbers it takes.
#ifndef MIRADO_DICE_RULES_H_
#define MIRADO_DICE_RULES_H_

#include <cstdint>
#include <string>

#include "dice/dice.h"

namespace Dice {

// How a rule treats the number before or after its keyword.
enum class Operand {
  kOptional,    // used when present
  kRequired,    // missing: the roll is refused
  kIgnored,     // consumed by the binding, not used
  kNotAllowed,  // present: the roll is refused before the rule runs
};

// Returns 0 and fills the result (type number, value, text of at most 1023
// bytes), or nonzero to abandon the roll.
using RuleFunction = int (*)(RuleResult& result, int32_t type, const RuleInput& input);

struct KeywordEntry {
  const char* word;
  int32_t type;
};

struct RuleEntry {
  int32_t type;
  const char* written_form;
  Operand before;
  Operand after;
  RuleFunction rule;
};

extern const KeywordEntry kKeywords[];
extern const std::size_t kKeywordCount;

// The rule table, in three parts: the generic rules (plain dice, bit
// operations, ordered D66), the first set of game-system rules (types 400 to
// 421) and the second set (422 and above). A row whose rule is null refuses.
extern const RuleEntry kGenericRules[];
extern const std::size_t kGenericRuleCount;
extern const RuleEntry kFirstSetRules[];
extern const std::size_t kFirstSetRuleCount;
extern const RuleEntry kSecondSetRules[];
extern const std::size_t kSecondSetRuleCount;

// ---- Helpers for rule texts ------------------------------------------------------
// Largest number of dice one rule rolls at once; more is refused.
constexpr int32_t kMaxDice = 1000;
// One die of `faces` faces (faces >= 1), 1-based.
int32_t RollDie(uint32_t faces);
// Appends to a rule text, never beyond 1023 bytes.
void AppendText(std::string& text, const char* piece);
void AppendNumber(std::string& text, int32_t value);
// Copies a finished text into the result.
void SetText(RuleResult& result, const std::string& text);

}  // namespace Dice

#endif  // MIRADO_DICE_RULES_H_
