// The alias table: Japanese phrases a player types instead of a command
// ("性格表", "メモ=…", "ゲームモード ダブルクロス"), each row rewriting a
// whole line that matches its pattern into a canonical command line.
#ifndef MIRADO_PLUGIN_ALIAS_TABLE_H_
#define MIRADO_PLUGIN_ALIAS_TABLE_H_

#include <cstddef>
#include <string>

namespace BotCommand {

// Which text a row's pattern is matched against.
enum AliasSubject : unsigned char {
  kAsTyped = 0,  // the line as typed (converted to UTF-16, not folded)
  kFolded = 1,   // the line after FoldForMatch: patterns are written folded
};

// One row: the command the line becomes (without the leading "#"; "%0" to
// "%5" insert the match's groups, "%%" a percent sign), the wide pattern that
// must take the whole line (case-insensitive), which text it is matched
// against, whether the line must begin with a command prefix before it, and
// whether the row's command may turn the line down (resurrection, whose
// pattern takes any line holding リザ or RES): a line it turns down, answering
// nothing, goes on to the rows after it.
struct AliasEntry {
  const char16_t* Template;
  const char16_t* Pattern;
  AliasSubject Subject;
  bool Prefix = false;
  bool MayDecline = false;
};

extern const AliasEntry kAliasTable[];
extern const std::size_t kAliasTableSize;

// The canonical command line ("#TABLE - CHAR") for `text` (code page 932),
// from the first row that takes it; false, and `line` untouched, when no row
// does.
bool RewriteAlias(const char* text, std::string* line);

// The row RewriteAlias would use for `text`, or -1; `check_every_row` skips
// the shortcut that turns lines away early (tests compare the two).
int FindAliasRow(const char* text, bool check_every_row = false);

// The body of the exported Alias: rewrites the line and runs it as Command
// does; writes nothing when no row takes the line. A row that may decline and
// whose command answered nothing hands the line to the rows after it.
void RunAlias(const char* nick, const char* channel, const char* text, char* output);

}  // namespace BotCommand

#endif  // MIRADO_PLUGIN_ALIAS_TABLE_H_
