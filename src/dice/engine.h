// The dice engine's pipeline, shared by the roll commands and the rule
// families: tokens, exact fractions, rule results, the tokenizer, renderer
// and evaluator, and the comparison suffix. Private to the dice engine; the
// layers above see only dice.h.
#ifndef MIRADO_DICE_ENGINE_H_
#define MIRADO_DICE_ENGINE_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/bot_command.h"

namespace Dice {

constexpr std::size_t kTextSize = 1024;
constexpr int kTokenCount = 128;

// Token types. Types from kFirstKeyword up are roll keywords: each is one row
// of the keyword registry (keyword_registry.cpp), which gives its words,
// written form, operands and rule.
enum TokenType : int32_t {
  kEnd = 0,
  kNumber = 1,
  kPlus = 100,
  kMinus = 101,
  kNegate = 102,
  kTimes = 103,
  kDivide = 104,
  kModulo = 105,
  kPower = 106,
  kOpen = 107,
  kClose = 108,
  kCriticalValue = 200,
  kFumbleValue = 201,
  kFirstKeyword = 300,
  // Generic keywords.
  kPlainDice = 300,   // "D"
  kOrderedD66 = 302,  // "DF"
  kBitAnd = 303,      // "AND"
  kBitOr = 304,       // "OR"
  kBitNot = 305,      // "NOT"
  kBitXor = 306,      // "XOR"
  kBitNand = 307,     // "NAND"
  kBitNor = 308,      // "NOR"
  // Game-system keywords.
  kDoubleCross = 400,        // "DX", and "R" after a number
  kDoubleCrossFumble = 401,  // "DXF"
  kErosionRoll = 402,        // "RC"
  kTwoD6Critical = 403,      // "SF"
  kTwoD6PlusTen = 404,       // "NW", "SFM"
  kHitMultiplier = 405,      // "MF"
  kExplodingCount = 406,     // "SRSE"
  kHitCount = 407,           // "SR"
  kHitCountReroll = 408,     // "SRE"
  kRating = 409,             // "SW", and "R" without a number before it
  kRetypedR = 410,           // "R": retyped to kDoubleCross or kRating before the rules run
  kCountUnder = 411,         // "AN"
  kCountOverLuck = 412,      // "GE"
  kPercentileCheck = 413,    // "GD"
  kDamageRoll = 414,         // "DH"
  kTenPlusSix = 415,         // "BAN"
  kTenPlusSixChain = 416,    // "BAND", "VAN"
  kMaximumCount = 417,       // "AR", "ARA"
  kDieTimesFactor = 418,     // "MD"
  kLadder = 419,             // "CW"
  kD36Scale = 420,           // "GDS"
  kD36ScalePlain = 421,      // "GDSP"
  kSwap = 422,               // "SWAP": smaller digit first
  kSwapLargerFirst = 423,    // "RSWAP"
  kKeepThree = 424,          // "DB", "DBZ"
  kDoubleTrigger = 425,      // "EBR"
  kNechronica = 426,         // "NC", "NCR"
  kNechronicaAttack = 427,   // "NA", "NCA", "NCRA"
  kSetCount = 428,           // "BRK"
  kSetCountLocations = 429,  // "BRKA"
  kHitOrMiss = 430,          // "TMHS"
  kPercentileDoubles = 431,  // "AE"
  kDoubles2D6 = 432,         // "BELF"
  kRabbit = 433,             // "RHD"
  kGradedPercentile = 434,   // "PH"
  kAccident = 500,           // "PAG"
  kTopThree = 501,           // "PAO"
  kTopThreeExtraDice = 502,  // "PAOA"
  kDescending = 503,         // "HANA"
};

struct RollToken {
  // Only the first byte of the text is cleared: a list holds 128 tokens of
  // 1 KiB each, and zeroing them all on every roll was most of its cost.
  RollToken() { text[0] = '\0'; }
  void Clear() {
    type = kEnd;
    value = 0;
    wide_value = 0;
    text[0] = '\0';
  }
  // Copies `other` up to the end of its text, not the whole buffer.
  void CopyFrom(const RollToken& other) {
    type = other.type;
    value = other.value;
    wide_value = other.wide_value;
    std::memcpy(text, other.text, std::strlen(other.text) + 1);
  }

  // The number of a number token. A typed number beyond 32 bits is kept in
  // wide_value (value then holds it saturated); it is never a rule operand.
  int64_t Number() const { return wide_value != 0 ? wide_value : value; }

  int32_t type = kEnd;
  int32_t value = 0;
  int64_t wide_value = 0;
  char text[kTextSize];  // detail of a rule result; empty for parsed tokens
};

// Exactly 128 tokens; unused ones have type kEnd.
struct TokenList {
  RollToken tokens[kTokenCount];
  RollToken& operator[](int i) { return tokens[i]; }
  const RollToken& operator[](int i) const { return tokens[i]; }
  // Removes token i; later tokens move down and the last slot is cleared.
  void Remove(int i);
};

// An exact rational number in lowest terms: a 64-bit numerator over a
// positive 64-bit denominator. The numerator is never the smallest 64-bit
// integer, so negating a fraction is always exact. Every operation is
// checked: one whose exact result cannot be represented returns false, and
// the roll that needs it is not answered.
struct Fraction {
  int64_t numerator = 0;
  int64_t denominator = 1;

  // The four operations and the truncating remainder (l - trunc(l/r) * r,
  // with the sign of l). Each returns false when r is zero (for Divide and
  // Remainder) or the result does not fit; `out` may alias an operand.
  static bool Add(const Fraction& l, const Fraction& r, Fraction* out);
  static bool Subtract(const Fraction& l, const Fraction& r, Fraction* out);
  static bool Multiply(const Fraction& l, const Fraction& r, Fraction* out);
  static bool Divide(const Fraction& l, const Fraction& r, Fraction* out);
  static bool Remainder(const Fraction& l, const Fraction& r, Fraction* out);
  // Negative, zero or positive as l is below, equal to or above r.
  static int Compare(const Fraction& l, const Fraction& r);

  // Appends one decimal digit to a non-negative number; false on overflow.
  static bool AppendDigit(int64_t* number, int digit);
  // Reads a whole decimal number "[+-]digits[.digits]" of [begin, end)
  // exactly; false when the text is no such number or does not fit.
  static bool ParseDecimal(const char* begin, const char* end, Fraction* out);
  // Writes the value truncated toward zero to at most `decimals` places
  // (0 to 18), without trailing zeros: 10, 3.5, 3.33, -0.5. A value that
  // truncates to zero is written "0", never "-0". Bounded by `size`.
  void Write(int decimals, char* out, std::size_t size) const;
};

struct RuleResult {
  int32_t type = kNumber;
  int32_t value = 0;
  char text[kTextSize] = {};
};

// Tokenizes a normalised expression (no spaces). Returns false on an error.
// Sets the two flags: an operator (+ - * / % ^, not a skipped sign or a
// negation, not parentheses) and a keyword were seen.
bool Tokenize(const char* expression, TokenList& list, bool* saw_operator, bool* saw_keyword);

// Renders the list into `out` (1024 bytes). Expression mode writes every token
// in its written form and appends the critical (@) and fumble (#) values;
// detail mode writes a rule result's text instead and appends nothing.
enum class RenderMode { kExpression, kDetail };
void Render(const TokenList& list, RenderMode mode, char* out);

// Converts the list to postfix and evaluates it in exact fractions. Returns
// false on an evaluation error, including a value that cannot be represented.
bool Evaluate(const TokenList& list, Fraction* result);

// Keyword vocabulary and written forms, from the keyword registry.
int32_t KeywordType(const char* word);  // 0 when the word is no keyword
const char* WrittenForm(int32_t type);  // null when the type has none

// The operands bound to a rule keyword and the speaker's context.
struct RuleInput {
  bool has_before = false;
  int32_t before = 0;
  bool has_after = false;
  int32_t after = 0;
  const int32_t* critical = nullptr;
  int32_t critical_count = 0;
  const int32_t* fumble = nullptr;
  int32_t fumble_count = 0;
  const char* nick_key = "";
  // The game mode, read from the command's context only when a rule asks
  // for it (most rolls never do).
  mirado::GameMode game_mode = mirado::GameMode::kNone;
  BotCommand::BotCommandAbstract* command = nullptr;
  mirado::GameMode Mode() const { return command != nullptr ? command->Mode() : game_mode; }
};

// True for the keywords whose roll raises the speaker's erosion rate ("RC").
bool RaisesErosion(int32_t type);

// Runs the rule of `type`. Returns 0 and fills `result`, or nonzero when the
// rule refuses (the roll is then abandoned without an answer).
int DispatchRule(RuleResult& result, int32_t type, const RuleInput& input);

// Strips a comparison suffix from `expression` (in place) and reports the
// comparison code (0 none, 2 ==, 3 !=, 4 <, 5 <=, 6 >, 7 >=), its target and
// the "**" repetition count. A suffix whose deciding target cannot be held
// exactly is no suffix: it stays in the expression, which then gets no answer.
void StripComparison(char* expression, int* compare_op, Fraction* compare_target, int* repeat_count);

}  // namespace Dice

#endif  // MIRADO_DICE_ENGINE_H_
