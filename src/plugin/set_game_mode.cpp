#include <string>

#include "core/game_mode.h"
#include "core/settings_store.h"
#include "core/text.h"
#include "plugin/plugin_commands.h"

namespace BotCommand {
namespace {

constexpr const char* kSection = "GameMode";

}  // namespace

// A lone question mark shows the mode; a word of a game mode sets it (the
// stored value is always the mode's code); anything else, no word included,
// resets it. Setting the mode the channel already has only shows it.
void SetGameMode::Execute() {
  // Letters typed in full width name the same mode ("ＤＸ" is DX).
  const std::u16string word = mirado::FoldAsciiWidth(mirado::ToWide(Params[0]));
  std::string code_text;
  if (*ModeCode() != '\0') mirado::FormatToString(code_text, kShortSize, "(%s)", ModeCode());
  const std::string name_text = *ModeName() != '\0' ? ModeName() : "未設定";

  std::string line;
  Reply.Clear();
  const bool query = mirado::FullMatchWide(word, u"[\\?？]");
  const mirado::GameModeEntry* mode = query ? nullptr : mirado::FindGameMode(word);
  if (query || (mode != nullptr && Mode() == mode->mode)) {
    mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :%s のモードは「%s%s」です", ReplyTarget, ReplyTarget,
                           name_text.c_str(), code_text.c_str());
    Reply.Line(line);
    return;
  }
  if (!SettingsStore::WriteString(SettingsPath, kSection, ReplyTarget, mode != nullptr ? mode->code : nullptr)) {
    mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :設定ファイルの書込に失敗しました。", ReplyTarget);
    Reply.Line(line);
    return;
  }
  if (mode == nullptr) {
    mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :%s のモード「%s%s」を初期化しました。", ReplyTarget,
                           ReplyTarget, name_text.c_str(), code_text.c_str());
  } else {
    mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :%s のモード「%s%s」を「%s(%s)」に設定しました。",
                           ReplyTarget, ReplyTarget, name_text.c_str(), code_text.c_str(), mode->name, mode->code);
  }
  Reply.Line(line);
  ReloadContext();
}

}  // namespace BotCommand
