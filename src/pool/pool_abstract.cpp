// What every pool kind shares: showing the pool, deleting it, resetting it,
// and the one way a kind writes its entries.
#include <string_view>

#include "core/settings_store.h"
#include "core/sizes.h"
#include "core/text.h"
#include "pool/pool_kinds.h"

namespace PoolCommand {
namespace {

// Empty or only white space: nothing to show.
bool Blank(const std::string& text) { return text.empty() || mirado::FullMatch(text, "\\s*"); }

}  // namespace

// Every line of a pool's answer stays within 1023 bytes: a pool too long for
// its line is shown up to its last whole die that fits, and "…" says it goes
// on.
void PoolAbstract::AddLine(const std::string& text) {
  constexpr std::size_t kLineLimit = BotCommand::kLineSize - 1;
  constexpr std::string_view kMore = "…";
  const std::string head = "NOTICE " + Key + " :";
  std::string shown = text;
  if (head.size() + shown.size() > kLineLimit) {
    const std::size_t room = kLineLimit > head.size() + kMore.size() ? kLineLimit - head.size() - kMore.size() : 0;
    shown.resize(mirado::CharacterPrefix(shown, room));
    const std::size_t space = shown.rfind(' ');
    if (space != std::string::npos && space > 0) shown.resize(space);
    shown += kMore;
  }
  OutputText += head + shown + "\r\n";
}

bool PoolAbstract::Store(const char* section, const char* value) {
  if (SettingsStore::WriteString(SettingsPath.c_str(), section, Key, value)) return true;
  WriteFailed = true;
  OutputText.clear();
  return false;
}

void PoolAbstract::Show(bool long_form) {
  std::string kind = SettingsStore::ReadString(SettingsPath.c_str(), kPoolModeSection, Key, "");
  std::string pool = SettingsStore::ReadString(SettingsPath.c_str(), kPoolSection, Key, "", BotCommand::kLineSize);
  if (Blank(kind)) kind = "不明";
  if (Blank(pool)) pool = "No Data";
  pool.resize(mirado::CharacterPrefix(pool, pool.size()));
  if (long_form) AddLine("プール種別：" + kind);
  AddLine("　　プール：" + pool);
}

std::string PoolAbstract::DeleteEntries(const std::string& path, const std::string& key, bool* write_failed) {
  *write_failed = !SettingsStore::WriteString(path.c_str(), kPoolSection, key, nullptr) ||
                  !SettingsStore::WriteString(path.c_str(), kPoolModeSection, key, nullptr);
  if (*write_failed) return {};
  std::string line;
  mirado::FormatToString(line, BotCommand::kReplyBufferSize, "NOTICE %s :%s のダイスプールを削除しました。\r\n",
                         key.c_str(), key.c_str());
  return line;
}

void PoolAbstract::DeletePool() { OutputText = DeleteEntries(SettingsPath, Key, &WriteFailed); }

void PoolAbstract::Reset() {
  DeletePool();
  if (WriteFailed) return;
  Setup();
}

}  // namespace PoolCommand
