// The table subsystem's public face: the chat command that runs the random
// tables and character makers, and the gender-word reader they share.
#ifndef MIRADO_TABLES_TABLES_H_
#define MIRADO_TABLES_TABLES_H_

#include <string_view>

#include "core/bot_command.h"

namespace BotCommand {

// The TABLE and MAKE command words. The first word after the command names
// the game system ("-" stands for the channel's game mode), the following ones
// the table and its options. Every row of the table directory that accepts
// the words runs, each replacing the previous reply, so the last one answers;
// a line no row accepts gets no answer.
class CallTable : public BotCommandAbstract {
 public:
  void Execute() override;
};

}  // namespace BotCommand

namespace Tables {

// Reads a gender word ("男", "おんな", "female", "♂", ...), folded for
// matching first. Returns true and sets *male (true for male) when the text
// names a gender. Otherwise returns false and, when `random_allowed`, sets
// *male from the lowest bit of one draw of the random source; without it
// *male is left as it was.
bool ParseGender(bool* male, std::u16string_view text, bool random_allowed);
// The same for code page 932 text.
bool ParseGender(bool* male, const char* text, bool random_allowed);

}  // namespace Tables

#endif  // MIRADO_TABLES_TABLES_H_
