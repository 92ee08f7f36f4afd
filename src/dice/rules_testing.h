// Test helpers of the game-system rules: a rule called through the
// dispatcher (so its table row's operand rules apply) with the random source
// seeded, and a whole roll command with a pinned seed.
//
// Expected dice in the tests come from the reference MT19937 sequence of the
// seed (tools/mtdice.py): a die of N faces is output % N + 1, a zero-based
// ten-sided die output % 10.
#ifndef MIRADO_DICE_RULES_TESTING_H_
#define MIRADO_DICE_RULES_TESTING_H_

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/random_source.h"
#include "dice/rules.h"
#include "support/test_support.h"

namespace Dice::testing {

struct Operands {
  std::optional<int32_t> before = std::nullopt;
  std::optional<int32_t> after = std::nullopt;
  std::vector<int32_t> critical = {};
  std::vector<int32_t> fumble = {};
};

struct Outcome {
  int code = 0;
  int32_t value = 0;
  std::string text;
};

// Seeds the generator with `seed` and runs the rule of `type`.
inline Outcome RollRule(uint32_t seed, int32_t type, const Operands& operands = {}) {
  RuleInput input;
  input.has_before = operands.before.has_value();
  input.before = operands.before.value_or(0);
  input.has_after = operands.after.has_value();
  input.after = operands.after.value_or(0);
  input.critical = operands.critical.data();
  input.critical_count = static_cast<int32_t>(operands.critical.size());
  input.fumble = operands.fumble.data();
  input.fumble_count = static_cast<int32_t>(operands.fumble.size());
  RandomSource::Seed(seed);
  RuleResult result;
  Outcome outcome;
  outcome.code = DispatchRule(result, type, input);
  outcome.value = result.value;
  outcome.text = result.text;
  return outcome;
}

// True when the rule refuses and leaves nothing behind: no value, no text and
// no die drawn (the generator's next output is still the seed's first).
inline bool RefusesCleanly(int32_t type, const Operands& operands) {
  const uint32_t seed = 7;
  const Outcome outcome = RollRule(seed, type, operands);
  return outcome.code != 0 && outcome.value == 0 && outcome.text.empty() &&
         RandomSource::Next32() == std::mt19937(seed)();
}

// The lines answered when `nick` says "#" + expression in #trpg, every roll
// seeded with `seed`, with the settings folder the caller set up.
inline std::vector<std::string> AnswerLines(uint32_t seed, const std::string& expression,
                                            const std::string& nick = "taro") {
  mirado::testing::PinnedRandom pinned(seed);
  return mirado::testing::Lines(mirado::testing::CallCommand(nick, "#trpg", "#" + expression));
}

// The first of those lines, or "" when there is none.
inline std::string FirstAnswer(uint32_t seed, const std::string& expression, const std::string& nick = "taro") {
  const std::vector<std::string> lines = AnswerLines(seed, expression, nick);
  return lines.empty() ? std::string() : lines[0];
}

// As AnswerLines, in a fresh settings folder of its own.
inline std::vector<std::string> RollLines(uint32_t seed, const std::string& expression) {
  mirado::testing::TempSettings settings;
  return AnswerLines(seed, expression);
}

// The one line answered for "#" + expression, or "" when there is none.
inline std::string RollLine(uint32_t seed, const std::string& expression) {
  const std::vector<std::string> lines = RollLines(seed, expression);
  return lines.size() == 1 ? lines[0] : std::string();
}

}  // namespace Dice::testing

#endif  // MIRADO_DICE_RULES_TESTING_H_
