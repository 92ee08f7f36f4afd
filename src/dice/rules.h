// The roll keywords' rules: the registry row every keyword is and the one set
// of helpers the rule functions share (writing detail texts, bounding
// values). Each rule function is declared beside its row in
// keyword_registry.cpp, so a new keyword is its registry row and its rule
// file.
//
// Every rule has the signature of RuleFunction: it checks its operands before
// it rolls anything, so a refused roll draws no dice and leaves the result
// untouched; otherwise it fills the value and the detail text (at most 1023
// bytes) and returns 0.
#ifndef MIRADO_DICE_RULES_H_
#define MIRADO_DICE_RULES_H_

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/random_source.h"
#include "dice/engine.h"

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

// One roll keyword: the words that make it (upper case, as the tokenizer
// folds them), the written form the expression shows, how it takes the
// numbers around it, its rule (null: the token is retyped before the rules
// run, or the roll is refused) and whether it raises the erosion rate.
struct KeywordEntry {
  int32_t type;
  const char* words[3];
  const char* written_form;
  Operand before;
  Operand after;
  RuleFunction rule;
  bool raises_erosion = false;
};

extern const KeywordEntry kKeywordRegistry[];
extern const std::size_t kKeywordRegistrySize;
// The row of `type`, or null.
const KeywordEntry* FindKeyword(int32_t type);

// ---- Dice ---------------------------------------------------------------------
// Largest number of dice one rule rolls at once; more is refused.
constexpr int32_t kMaxDice = 1000;

// Every die comes from the one die source of the core (RandomSource::Die,
// RandomSource::Draw), whose forced-draw seam the tests use.

// ---- Values ---------------------------------------------------------------------
// Sums of dice and large modifiers are kept in 64 bits and brought into the
// 32-bit range of a token value at the end.
inline int32_t Saturate(int64_t value) {
  return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
}

// ---- Detail texts ------------------------------------------------------------------
// Every rule text is cut at 1023 bytes, never between the two bytes of a
// character; once a text is full, appending costs one comparison, so a
// thousand dice are written only as far as they fit.
inline bool IsFull(const std::string& text) { return text.size() >= kTextSize - 1; }
void AppendText(std::string& text, const char* piece);
// Appends `separator` (none when '\0') and the decimal form of `value`.
void AppendListed(std::string& text, char separator, int64_t value);
inline void AppendInt(std::string& text, int64_t value) { AppendListed(text, '\0', value); }
// Appends the numbers separated by ",".
void AppendList(std::string& text, const std::vector<int32_t>& numbers);
// Appends a formatted piece (cut at 127 bytes).
void AppendFormatted(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Copies a finished text into the result.
void SetText(RuleResult& result, const std::string& text);

}  // namespace Dice

#endif  // MIRADO_DICE_RULES_H_
