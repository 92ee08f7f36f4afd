#include "plugin/bot_command.h"

#include "plugin/settings_store.h"
#include "plugin/text.h"

namespace BotCommand {

BotCommandAbstract::BotCommandAbstract() { SettingsStore::GetSettingsPath(SettingsPath); }

void BotCommandAbstract::Init(char* output, const char* channel, const char* nick, const char* command_word,
                              const char* rest, ParamArea& params) {
  Output = output;
  ReplyTarget = mirado::FullMatch(channel, "[#&].+") ? channel : nick;
  Nick = nick;
  CommandWord = command_word;
  Rest = rest;
  for (std::size_t i = 0; i < kParamCount; ++i) Params[i] = params[i];
  SettingsStore::MakeNickKey(NickKey, Nick);
  SettingsStore::LoadGameMode(ReplyTarget, GameModeName, GameModeCode);
  char name[kShortSize];
  mirado::CopyText(name, sizeof name, Nick);
  SettingsStore::LoadCharacterName(name);
  if (mirado::FullMatch(GameModeCode, "NJSLYR")) {
    mirado::FormatText(DisplayName, sizeof DisplayName, "%s＝サン", name);
  } else {
    mirado::CopyText(DisplayName, sizeof DisplayName, name);
  }
}

}  // namespace BotCommand
