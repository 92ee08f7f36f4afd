#include <string>

#include "core/settings_store.h"
#include "core/text.h"
#include "plugin/plugin_commands.h"

namespace BotCommand {
namespace {

constexpr const char* kSection = "CharactersName";

}  // namespace

// The name is the first parameter only (a name with spaces is registered up
// to its first space). The answers quote the nick, not the display name, so
// the speaker sees who the name now belongs to.
void RegisterName::Execute() {
  const std::string current = SettingsStore::ReadString(SettingsPath, kSection, NickKey, "", kLineSize);
  // A name is kept in 255 bytes (as every command reads it): a longer one is
  // cut before it is stored, never inside a double-byte character, so the
  // name shown is the name stored.
  std::string wanted = Params[0];
  wanted.resize(mirado::CharacterPrefix(wanted, kShortSize - 1));
  if (current.empty() && wanted.empty()) return;

  std::string line;
  Reply.Clear();
  if (!SettingsStore::WriteString(SettingsPath, kSection, NickKey, wanted.empty() ? nullptr : wanted.c_str())) {
    mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :%s -> 設定ファイルの書込に失敗しました", ReplyTarget,
                           Nick);
    Reply.Line(line);
    return;
  }
  ReloadContext();
  if (wanted.empty()) {
    mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :%s ->「%s」を削除しました。", ReplyTarget, Nick,
                           current.c_str());
  } else if (current.empty()) {
    mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :%s ->「%s」を新規登録しました。", ReplyTarget, Nick,
                           wanted.c_str());
  } else if (current != wanted) {
    mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :%s ->「%s」から「%s」に変更しました。", ReplyTarget,
                           Nick, current.c_str(), wanted.c_str());
  } else {
    mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :%s ->「%s」に設定されています。", ReplyTarget, Nick,
                           wanted.c_str());
  }
  Reply.Line(line);
}

}  // namespace BotCommand
