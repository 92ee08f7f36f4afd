#include "core/bot_command.h"

#include <cstdarg>
#include <cstdio>

#include "core/settings_store.h"
#include "core/text.h"

namespace BotCommand {

BotCommandAbstract::BotCommandAbstract() { SettingsStore::GetSettingsPath(SettingsPath, sizeof SettingsPath); }

void BotCommandAbstract::Init(char* output, const char* channel, const char* nick, const char* command_word,
                              const char* rest, ParamArea& params) {
  Output = output;
  Reply.Attach(output, kReplyBufferSize);
  ReplyTarget = IsChannel(channel) ? channel : nick;
  Nick = nick;
  CommandWord = command_word;
  Rest = rest;
  for (std::size_t i = 0; i < kParamCount; ++i) Params[i] = params[i];
  SettingsStore::MakeNickKey(NickKey, sizeof NickKey, Nick);
  context_loaded_ = false;
}

void BotCommandAbstract::LoadContext() {
  if (context_loaded_) return;
  context_loaded_ = true;
  SettingsStore::LoadGameMode(ReplyTarget != nullptr ? ReplyTarget : "", GameModeName, sizeof GameModeName,
                              GameModeCode, sizeof GameModeCode);
  char name[kShortSize];
  mirado::CopyText(name, sizeof name, Nick != nullptr ? Nick : "");
  SettingsStore::LoadCharacterName(name, sizeof name);
  if (GameModeCode[0] != '\0' && mirado::FullMatch(GameModeCode, "NJSLYR")) {
    mirado::FormatText(DisplayName, sizeof DisplayName, "%s＝サン", name);
  } else {
    mirado::CopyText(DisplayName, sizeof DisplayName, name);
  }
}

const char* BotCommandAbstract::Name() {
  LoadContext();
  return DisplayName;
}

const char* BotCommandAbstract::ModeCode() {
  LoadContext();
  return GameModeCode;
}

const char* BotCommandAbstract::ModeName() {
  LoadContext();
  return GameModeName;
}

bool BotCommandAbstract::Say(const char* format, ...) {
  char text[kReplyBufferSize];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return Reply.Notice(ReplyTarget != nullptr ? ReplyTarget : "", Name(), text);
}

bool BotCommandAbstract::SayTo(const char* target, const char* format, ...) {
  char text[kReplyBufferSize];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return Reply.Notice(target, Name(), text);
}

}  // namespace BotCommand
