#include "chat_turn.h"

#include "codepage/codepage.h"
#include "part_word.h"
#include "plugin_loader.h"

namespace mirado::host {

std::string PluginText(const std::string& text, std::size_t limit) {
  std::string clean = StripControls(text);
  clean.resize(codepage::CharacterPrefix(clean, limit));
  return clean;
}

ChatTurn ChatTurn::ForPlugin(Plugin& plugin) {
  auto bind = [&plugin](auto method) -> Entry {
    return [&plugin, method](const std::string& n, const std::string& c, const std::string& t) {
      return (plugin.*method)(n, c, t);
    };
  };
  return ChatTurn(bind(&Plugin::Command), plugin.HasAlias() ? bind(&Plugin::Alias) : Entry(),
                  plugin.HasPart() ? bind(&Plugin::Part) : Entry());
}

void ChatTurn::Keep(const std::vector<std::string>& raw, const char* entry, TurnResult* result) {
  if (!raw.empty()) result->answered_by = entry;
  for (const std::string& line : raw) {
    result->raw_lines.push_back(line);
    std::string why;
    if (auto parsed = ParsePluginLine(line, &why)) {
      result->lines.push_back(std::move(*parsed));
    } else {
      result->dropped.push_back(why);
    }
  }
}

TurnResult ChatTurn::Take(const std::string& nick, const std::string& channel, const std::string& text,
                          bool in_channel) const {
  const std::string who = PluginText(nick), where = PluginText(channel), line = PluginText(text);
  TurnResult result;
  if (in_channel && part_ && IsPartCommand(line)) {
    Keep(part_(who, where, line), "Part", &result);
    return result;
  }
  const std::vector<std::string> answer = command_(who, where, line);
  if (!answer.empty() || !alias_) {
    Keep(answer, "Command", &result);
    return result;
  }
  Keep(alias_(who, where, line), "Alias", &result);
  return result;
}

TurnResult ChatTurn::Leave(const std::string& nick, const std::string& channel) const {
  TurnResult result;
  if (part_) Keep(part_(PluginText(nick), PluginText(channel), ""), "Part", &result);
  return result;
}

}  // namespace mirado::host
