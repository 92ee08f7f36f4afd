// The base of every chat command: the per-call context a command runs with,
// filled by Init from the host's arguments and the settings file, and the one
// operation a command adds, Execute, which writes the whole answer into the
// host's output buffer.
#ifndef MIRADO_PLUGIN_BOT_COMMAND_H_
#define MIRADO_PLUGIN_BOT_COMMAND_H_

#include <cstddef>

namespace BotCommand {

constexpr std::size_t kReplyBufferSize = 4096;  // the host's output buffer
constexpr std::size_t kLineSize = 1024;         // a line, word, parameter or reply
constexpr std::size_t kParamCount = 5;
constexpr std::size_t kShortSize = 256;  // names, keys, short values
constexpr std::size_t kPathSize = 260;

// Five consecutive 1024-byte parameter slots.
using ParamArea = char[kParamCount][kLineSize];

class BotCommandAbstract {
 public:
  BotCommandAbstract();
  virtual ~BotCommandAbstract() = default;
  BotCommandAbstract(const BotCommandAbstract&) = delete;
  BotCommandAbstract& operator=(const BotCommandAbstract&) = delete;

  // Fills the context: reply target (the channel when it is "#" or "&" and at
  // least one more character, else the nick), NickKey, game mode and display
  // name. Called once, before Execute.
  void Init(char* output, const char* channel, const char* nick, const char* command_word, const char* rest,
            ParamArea& params);
  // Runs the command; writes its answer, if any, into Output.
  virtual void Execute() = 0;

  char* Output = nullptr;
  const char* ReplyTarget = nullptr;
  const char* Nick = nullptr;
  const char* CommandWord = nullptr;
  char* Params[kParamCount] = {};
  const char* Rest = nullptr;
  char SettingsPath[kPathSize] = {};
  char DisplayName[kShortSize] = {};
  char NickKey[kShortSize] = {};
  char GameModeCode[kShortSize] = {};
  char GameModeName[kShortSize] = {};
};

}  // namespace BotCommand

#endif  // MIRADO_PLUGIN_BOT_COMMAND_H_
