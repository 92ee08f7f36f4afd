// "#GET": one's own counter and memo in this channel, or, with LIST / CH /
// ALL, every counter and memo the channel's section holds.
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_store.h"
#include "core/text.h"
#include "state/counter_store.h"
#include "state/state.h"

namespace BotCommand {
namespace {

// The listing shows the section's entries in the order the settings file
// holds them (new keys are added at the end of their section), at most this
// many of them, read from at most this many bytes of it. The whole line stays
// within 1023 bytes: entries that would pass it are left out whole, and the
// list then ends with kMoreMark so players know it goes on.
constexpr std::size_t kListedEntries = 32;
constexpr std::size_t kSectionBytes = kLineSize;
constexpr std::size_t kLineLimit = kLineSize - 1;
constexpr const char* kMoreMark = "…";

// "name:value　" or, for a key with a tag after its last dot (the memo key
// TARO.Memo), "name(tag):value　". The name is the registered character name
// of the owner's key, or the key itself.
std::string Entry(const std::string& key, const std::string& value) {
  std::vector<std::string> groups;
  const bool tagged = mirado::FullMatch(key, R"((.+)\.(.+))", false, &groups) && groups.size() == 3;
  char owner[kShortSize];
  mirado::CopyText(owner, sizeof owner, tagged ? groups[1] : key);
  SettingsStore::LoadCharacterName(owner, sizeof owner);
  std::string entry;
  if (tagged) {
    mirado::FormatToString(entry, kReplyBufferSize, "%s(%s):%s　", owner, groups[2].c_str(), value.c_str());
  } else {
    mirado::FormatToString(entry, kReplyBufferSize, "%s:%s　", owner, value.c_str());
  }
  return entry;
}

}  // namespace

void GetCounter::Execute() {
  if (CounterStore::RefuseSharedSection(*this)) return;
  // Full-width letters name the same listing ("ＬＩＳＴ").
  const std::u16string word = mirado::FoldAsciiWidth(mirado::ToWide(Params[0] != nullptr ? Params[0] : ""));
  if (mirado::FullMatchWide(word, uR"(CH(ANN?EL)?|LIST|ALL)")) {
    const auto entries = SettingsStore::ReadSection(SettingsPath, ReplyTarget, kSectionBytes);
    std::string line;
    if (entries.empty()) {
      mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :カウンタ/メモが設定されていません。", ReplyTarget);
      Reply.Line(line);
      return;
    }
    const std::string head = std::string("NOTICE ") + ReplyTarget + " :";
    const std::size_t mark = std::string_view(kMoreMark).size();
    const std::size_t room = kLineLimit > head.size() + mark ? kLineLimit - head.size() - mark : 0;
    std::string list;
    bool more = false;
    for (std::size_t i = 0; i < entries.size() && i < kListedEntries; ++i) {
      const std::string entry = Entry(entries[i].first, entries[i].second);
      if (list.size() + entry.size() > room + (i + 1 == entries.size() ? mark : 0)) {
        // The first entry alone too long (a long memo): shown cut, on a
        // character boundary.
        if (list.empty()) list = entry.substr(0, mirado::CharacterPrefix(entry, room));
        more = true;
        break;
      }
      list += entry;
    }
    if (more) list += kMoreMark;
    Reply.Line(head + list);
    return;
  }

  const int32_t counter = SettingsStore::ReadInt(SettingsPath, ReplyTarget, NickKey, -1);
  const std::string memo =
      SettingsStore::ReadString(SettingsPath, ReplyTarget, CounterStore::MemoKey(NickKey), "", kLineSize);
  // A counter of -1 reads as not set.
  if (counter == -1 && memo.empty()) {
    Say("カウンタ/メモが設定されていません。");
    return;
  }
  if (counter != -1) Say("カウンタ：%d", counter);
  if (!memo.empty()) Say("メモ：%s", memo.c_str());
}

}  // namespace BotCommand
