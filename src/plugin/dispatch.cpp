#include "plugin/dispatch.h"

#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/first_match.h"
#include "core/text.h"
#include "dice/dice.h"

namespace BotCommand {

int SplitLine(const char* text, char* word, char* rest, ParamArea& params) {
  // The line and one space after it, cut at the buffer's size.
  char work[kLineSize];
  std::size_t copied = strnlen(text, sizeof work - 1);
  std::memcpy(work, text, copied);
  if (copied < sizeof work - 1) work[copied++] = ' ';
  work[copied] = '\0';
  mirado::FoldSpaces(work);
  const std::size_t length = std::strlen(work);
  std::size_t pos = 0;
  while (pos < length && work[pos] == ' ') ++pos;
  if (pos == length) return -1;
  std::size_t end = pos;
  while (end < length && work[end] != ' ') ++end;
  if (word != nullptr) mirado::CopyText(word, kLineSize, std::string_view(work + pos, end - pos));
  // The rest starts after the one space that ended the first word and keeps
  // its inner spaces and the appended one.
  mirado::CopyText(rest, kLineSize, end < length ? std::string_view(work + end + 1, length - end - 1) : "");
  for (auto& slot : params) slot[0] = '\0';
  int count = 0;
  pos = end;
  while (count < static_cast<int>(kParamCount)) {
    while (pos < length && work[pos] == ' ') ++pos;
    if (pos == length) break;
    end = pos;
    while (end < length && work[end] != ' ') ++end;
    mirado::CopyText(params[count++], kLineSize, std::string_view(work + pos, end - pos));
    pos = end;
  }
  return count;
}

namespace {

// The length of the command prefix the word starts with: '#' (1 byte), the
// full-width sign "＃" (81 94) or the sharp sign "♯" (81 F2), 2 bytes; 0
// without one. This is the whole-word pattern "(#|\x81\x94|\x81\xF2)(.*)"
// decided on the first bytes, without running a pattern on every chat line.
std::size_t PrefixLength(const char* word) {
  const auto b0 = static_cast<unsigned char>(word[0]);
  if (b0 == '#') return 1;
  const auto b1 = static_cast<unsigned char>(word[1]);
  if (b0 == 0x81 && (b1 == 0x94 || b1 == 0xF2)) return 2;
  return 0;
}

}  // namespace

void RunCommand(const char* nick, const char* channel, const char* text, char* output) {
  if (nick == nullptr || channel == nullptr || text == nullptr || output == nullptr) return;
  // Not zero-filled: SplitLine writes the word, the rest and every slot (a
  // chat line is over in about a microsecond, and clearing 7 KiB was a
  // measurable share of it).
  char word[kLineSize];
  char rest[kLineSize];
  ParamArea params;
  const int count = SplitLine(text, word, rest, params);
  if (count < 0) return;

  const std::size_t prefix = PrefixLength(word);
  if (prefix == 0) {
    if (!Dice::CannotStartExpression(word)) Dice::RollWord(output, channel, nick, word, rest, params, false);
    return;
  }
  const std::string_view after_prefix(word + prefix);
  const std::string name_typed = after_prefix.empty() ? std::string("CALC") : std::string(after_prefix);
  char name[kLineSize];
  mirado::ToHalfWidth(name_typed.c_str(), name, sizeof name);
  if (const CommandEntry* row = FindCommand(name, count)) {
    std::unique_ptr<BotCommandAbstract> command(row->Factory());
    if (!command) return;
    command->Init(output, channel, nick, word, rest, params);
    command->Execute();
    return;
  }
  Dice::RollWord(output, channel, nick, name, rest, params, true);
}

const CommandEntry* FindCommand(const char* name, int param_count) {
  // Every row's pattern begins with a letter, so a name that does not (a
  // dice expression such as "2D6+3") is turned away without running them.
  const auto first = static_cast<unsigned char>(name[0]);
  if (!((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'))) return nullptr;
  return mirado::FirstRowWhere(
      std::span<const CommandEntry>(kCommandTable, kCommandTableSize),
      [&](const CommandEntry& row) { return param_count >= row.MinParams && mirado::FullMatch(name, row.Pattern); });
}

}  // namespace BotCommand
