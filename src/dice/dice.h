// The dice engine's public face: the roll commands of the command table, the
// roll of a word that names no command, and the quick test that turns most
// Japanese chat lines away before any folding.
#ifndef MIRADO_DICE_DICE_H_
#define MIRADO_DICE_DICE_H_

#include "core/bot_command.h"

namespace Dice {

// The factories of the command table's roll rows: "#CALC expression" (the
// roll), "#S" and "#SD" (the closed rolls hiding everything, or only the
// result, from the destination) and "#COUNT" (the roll added to the
// speaker's counter). Null when memory runs out.
BotCommand::BotCommandAbstract* NewRoll();
BotCommand::BotCommandAbstract* NewClosedRoll();
BotCommand::BotCommandAbstract* NewClosedRollShowingExpression();
BotCommand::BotCommandAbstract* NewCountingRoll();

// Rolls `word` as a dice expression with the line's parameters after it, as
// the command of a word that names no command (or of an un-prefixed chat
// line): `params` holds the line's parameters after the word. Without
// `answer_always`, a word with neither an operator nor a keyword gets no
// answer (a chat line that merely holds a number).
void RollWord(char* output, const char* channel, const char* nick, const char* word, const char* rest,
              BotCommand::ParamArea& params, bool answer_always);

// True when `word` begins with a character that no folding of the roll turns
// into the start of an expression: a double-byte character whose lead byte
// is 0x83 or more (katakana, Greek and Cyrillic letters, kanji). Full-width
// digits, letters and operators (lead bytes 0x81 and 0x82) may fold into one.
// The tokenizer would refuse such a word at its first character; callers use
// this to turn most Japanese chat lines away before any folding.
bool CannotStartExpression(const char* word);

}  // namespace Dice

#endif  // MIRADO_DICE_DICE_H_
