#include "core/bot_command.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

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

namespace {

// The context worked out by the last command on this thread: the display
// name and game mode depend only on the nick, the reply target and the
// settings file, so while the file's version is the same, the next command
// for the same nick and target takes them from here instead of the file.
struct KeptContext {
  uint64_t version = 0;  // 0: nothing kept
  std::string nick, target;
  char display_name[kShortSize] = {};
  char mode_code[kShortSize] = {};
  char mode_name[kShortSize] = {};
  mirado::GameMode mode = mirado::GameMode::kNone;
};
thread_local KeptContext t_kept;

}  // namespace

void BotCommandAbstract::LoadContext() {
  if (context_loaded_) return;
  context_loaded_ = true;
  const char* const nick = Nick != nullptr ? Nick : "";
  const char* const target = ReplyTarget != nullptr ? ReplyTarget : "";
  const uint64_t version = SettingsStore::Version(SettingsPath);
  if (version != 0 && version == t_kept.version && t_kept.nick == nick && t_kept.target == target) {
    std::memcpy(DisplayName, t_kept.display_name, sizeof DisplayName);
    std::memcpy(GameModeCode, t_kept.mode_code, sizeof GameModeCode);
    std::memcpy(GameModeName, t_kept.mode_name, sizeof GameModeName);
    GameModeValue = t_kept.mode;
    return;
  }
  ReadContext();
  t_kept.version = version;
  t_kept.nick = nick;
  t_kept.target = target;
  std::memcpy(t_kept.display_name, DisplayName, sizeof DisplayName);
  std::memcpy(t_kept.mode_code, GameModeCode, sizeof GameModeCode);
  std::memcpy(t_kept.mode_name, GameModeName, sizeof GameModeName);
  t_kept.mode = GameModeValue;
}

void BotCommandAbstract::ReadContext() {
  GameModeValue = SettingsStore::LoadGameMode(ReplyTarget != nullptr ? ReplyTarget : "", GameModeName,
                                              sizeof GameModeName, GameModeCode, sizeof GameModeCode);
  char name[kShortSize];
  mirado::CopyText(name, sizeof name, Nick != nullptr ? Nick : "");
  SettingsStore::LoadCharacterName(name, sizeof name);
  if (GameModeValue == mirado::GameMode::kNinjaSlayer) {
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

mirado::GameMode BotCommandAbstract::Mode() {
  LoadContext();
  return GameModeValue;
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
