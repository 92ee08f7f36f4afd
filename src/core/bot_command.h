// The base of every chat command: the per-call context a command runs with,
// filled by Init from the host's arguments, and the one operation a command
// adds, Execute, which writes its whole answer through the reply writer.
//
// The settings-backed parts of the context (display name, game mode) are
// read from the settings file when a command first asks for them, not in
// Init: a chat line that turns out to be no command, and a roll that needs no
// setting, never touch the file.
#ifndef MIRADO_CORE_BOT_COMMAND_H_
#define MIRADO_CORE_BOT_COMMAND_H_

#include <cstddef>

#include "core/game_mode.h"
#include "core/reply_writer.h"
#include "core/sizes.h"

namespace BotCommand {

// True for a channel name: "#" or "&" and at least one more character (the
// whole-text pattern "[#&].+"), decided on its first two bytes.
inline bool IsChannel(const char* name) { return (name[0] == '#' || name[0] == '&') && name[1] != '\0'; }

// Five consecutive 1024-byte parameter slots.
using ParamArea = char[kParamCount][kLineSize];

class BotCommandAbstract {
 public:
  BotCommandAbstract();
  virtual ~BotCommandAbstract() = default;
  BotCommandAbstract(const BotCommandAbstract&) = delete;
  BotCommandAbstract& operator=(const BotCommandAbstract&) = delete;

  // Fills the context: reply target (the channel when it is "#" or "&" and at
  // least one more character, else the nick), NickKey, parameters, and
  // attaches the reply writer to `output`. Called once, before Execute.
  void Init(char* output, const char* channel, const char* nick, const char* command_word, const char* rest,
            ParamArea& params);
  // Runs the command; writes its answer, if any, through Reply.
  virtual void Execute() = 0;

  // The display name: the character name registered for NickKey, or the
  // nick, with "＝サン" in the NJSLYR game mode. Read on first use.
  const char* Name();
  // The code ("DX") and display name of the reply target's game mode, empty
  // when none is set. Read on first use.
  const char* ModeCode();
  const char* ModeName();
  // The same mode as a named code (GameMode::kNone when none is set).
  mirado::GameMode Mode();
  // Forgets the settings-backed context, so the next use reads it again
  // (after a command changed the name or the game mode).
  void ReloadContext() { context_loaded_ = false; }

  // Adds one answer line "NOTICE <ReplyTarget> :<Name()> -> <text>", or to
  // another target. Format strings are constants; user text is an argument.
  // False (and nothing written) when the line does not fit the buffer.
  bool Say(const char* format, ...) __attribute__((format(printf, 2, 3)));
  bool SayTo(const char* target, const char* format, ...) __attribute__((format(printf, 3, 4)));

  ReplyWriter Reply;
  char* Output = nullptr;
  const char* ReplyTarget = nullptr;
  const char* Nick = nullptr;
  const char* CommandWord = nullptr;
  char* Params[kParamCount] = {};
  const char* Rest = nullptr;
  char SettingsPath[kPathSize] = {};
  char NickKey[kShortSize] = {};

  // Filled on first use through Name(), ModeCode() and ModeName().
  char DisplayName[kShortSize] = {};
  char GameModeCode[kShortSize] = {};
  char GameModeName[kShortSize] = {};
  mirado::GameMode GameModeValue = mirado::GameMode::kNone;

 private:
  void LoadContext();
  void ReadContext();  // from the settings file
  bool context_loaded_ = false;
};

}  // namespace BotCommand

#endif  // MIRADO_CORE_BOT_COMMAND_H_
