// Alias rewriting: a whole line that one of the alias rows takes becomes that
// row's command line, which then runs exactly as if it had been typed.
#include <cstring>
#include <string>
#include <vector>

#include "core/sizes.h"
#include "core/text.h"
#include "plugin/alias_prefilter.h"
#include "plugin/alias_table.h"
#include "plugin/dispatch.h"

namespace BotCommand {
namespace {

// A row's whole pattern: with the prefix flag, the line must begin with a
// command prefix before it.
std::u16string RowPattern(const AliasEntry& row) {
  if (row.Pattern == nullptr || row.Template == nullptr || *row.Pattern == u'\0' || *row.Template == u'\0') return {};
  if (!row.Prefix) return row.Pattern;
  char16_t pattern[kLineSize];
  mirado::FormatTextWide(pattern, kLineSize, u"(?:%s)(?:%s)", u"#|＃|♯", row.Pattern);
  return pattern;
}

struct CompiledTable {
  std::vector<std::u16string> patterns;
  AliasPrefilter prefilter;
};

// The rows' whole patterns and the turn-away test, made on first use and kept
// for the life of the process.
CompiledTable& Table() {
  static CompiledTable* table = [] {
    std::vector<std::u16string> patterns;
    std::vector<AliasPrefilter::Row> rows;
    for (std::size_t i = 0; i < kAliasTableSize; ++i) {
      patterns.push_back(RowPattern(kAliasTable[i]));
      rows.push_back({patterns.back(), kAliasTable[i].Subject == kAsTyped});
    }
    return new CompiledTable{patterns, AliasPrefilter(rows)};
  }();
  return *table;
}

int Search(const char* text, bool check_every_row, std::vector<std::u16string>* groups, std::size_t from = 0) {
  if (text == nullptr || *text == '\0') return -1;
  CompiledTable& table = Table();
  const std::u16string line = mirado::ToWide(text);
  // Rows beyond what the turn-away test covers are always tried.
  const bool covered = table.patterns.size() <= AliasPrefilter::kMaxRows;
  AliasPrefilter::RowSet candidates;
  if (check_every_row) {
    candidates.set();
  } else {
    candidates = table.prefilter.Candidates(line);
    if (candidates.none() && covered) return -1;
  }
  std::u16string folded;
  bool have_folded = false;
  for (std::size_t i = from; i < table.patterns.size(); ++i) {
    if ((i < AliasPrefilter::kMaxRows && !candidates.test(i)) || table.patterns[i].empty()) continue;
    const bool fold = kAliasTable[i].Subject == kFolded;
    if (fold && !have_folded) {
      folded = line;
      mirado::FoldForMatch(folded);
      have_folded = true;
    }
    if (mirado::FullMatchWide(fold ? folded : line, table.patterns[i], groups)) return static_cast<int>(i);
  }
  return -1;
}

// Fills a template in one pass: "%0" to "%5" insert the match's groups (a
// group that took no part, or one the pattern lacks, inserts nothing), "%%"
// is a percent sign. What a group inserts is never read again, so a phrase
// holding "%1" or "☆" reaches the command exactly as typed.
std::u16string Fill(std::u16string_view form, const std::vector<std::u16string>& groups) {
  std::u16string out;
  for (std::size_t i = 0; i < form.size(); ++i) {
    if (form[i] == u'%' && i + 1 < form.size()) {
      const char16_t next = form[i + 1];
      if (next == u'%') {
        out.push_back(u'%');
        ++i;
        continue;
      }
      if (next >= u'0' && next <= u'5') {
        const std::size_t group = static_cast<std::size_t>(next - u'0');
        if (group < groups.size()) out += groups[group];
        ++i;
        continue;
      }
    }
    out.push_back(form[i]);
  }
  return out;
}

}  // namespace

int FindAliasRow(const char* text, bool check_every_row) { return Search(text, check_every_row, nullptr); }

bool RewriteAlias(const char* text, std::string* line) {
  std::vector<std::u16string> groups;
  const int row = Search(text, false, &groups);
  if (row < 0) return false;
  *line = mirado::ToNarrow(u"#" + Fill(kAliasTable[row].Template, groups));
  return true;
}

void RunAlias(const char* nick, const char* channel, const char* text, char* output) {
  const std::size_t before = output != nullptr ? std::strlen(output) : 0;
  for (std::size_t from = 0; from < kAliasTableSize;) {
    std::vector<std::u16string> groups;
    const int row = Search(text, false, &groups, from);
    if (row < 0) return;
    RunCommand(nick, channel, mirado::ToNarrow(u"#" + Fill(kAliasTable[row].Template, groups)).c_str(), output);
    if (!kAliasTable[row].MayDecline || output == nullptr || std::strlen(output) != before) return;
    from = static_cast<std::size_t>(row) + 1;
  }
}

}  // namespace BotCommand
