#include "tables/table_reply.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace Tables {

bool SayAfterArrow(BotCommand::BotCommandAbstract& out, const char* format, ...) {
  char text[BotCommand::kReplyBufferSize];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  std::string line = "NOTICE ";
  line += out.ReplyTarget != nullptr ? out.ReplyTarget : "";
  line += " :";
  line += out.Name();
  line += " ->";
  line += text;
  return out.Reply.Line(line);
}

}  // namespace Tables
