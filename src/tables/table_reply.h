// Reply helpers the table handlers share beyond the command's Say.
#ifndef MIRADO_TABLES_TABLE_REPLY_H_
#define MIRADO_TABLES_TABLE_REPLY_H_

#include "core/bot_command.h"

namespace Tables {

// Adds "NOTICE <target> :<name> -><text>": the tables whose title in 【】
// follows the arrow directly. Same rules as Say: the format is a constant,
// the line is added whole or not at all.
bool SayAfterArrow(BotCommand::BotCommandAbstract& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace Tables

#endif  // MIRADO_TABLES_TABLE_REPLY_H_
