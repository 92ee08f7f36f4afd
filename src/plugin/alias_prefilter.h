// A cheap test that turns a chat line away from the alias rows it cannot
// match, so that an ordinary line costs a scan of its characters instead of
// 74 pattern matches.
//
// From each row's pattern it derives "cues": sets of characters such that
// every line the row takes contains at least one character of each set
// (ゲームモード needs a ゲ or げ; 性格表 needs 性, 格 and 表). Cues are kept in
// folded form, and a line's characters are folded one by one (with the
// neighbours that can change their fold: a half-width sound mark, a small
// vowel after ヴ), so one test serves rows matched folded and as typed. A
// pattern construct the analysis does not follow (a class with a range, \w,
// an optional part) simply adds no cue: the test only ever errs towards
// trying a row, never towards skipping one that would match.
#ifndef MIRADO_PLUGIN_ALIAS_PREFILTER_H_
#define MIRADO_PLUGIN_ALIAS_PREFILTER_H_

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace BotCommand {

class AliasPrefilter {
 public:
  static constexpr std::size_t kMaxRows = 128;
  static constexpr std::size_t kMaxCues = 512;
  using RowSet = std::bitset<kMaxRows>;

  static constexpr std::size_t kUnbounded = static_cast<std::size_t>(-1);

  struct Row {
    std::u16string pattern;  // the row's whole pattern (an empty one is never tried)
    bool as_typed;           // matched against the line as typed, not folded
  };
  explicit AliasPrefilter(const std::vector<Row>& rows);

  // The rows that may take `line` (UTF-16 as typed). Not thread-safe: it
  // remembers the cues of each character it has seen (the entry points never
  // run at the same time).
  RowSet Candidates(std::u16string_view line);

  // The cue sets derived for a pattern, folded, and the most characters a
  // match can hold (kUnbounded when not known). For tests.
  static std::vector<std::u16string> CuesOf(std::u16string_view pattern);
  static std::size_t LongestMatchOf(std::u16string_view pattern);

 private:
  using CueSet = std::bitset<kMaxCues>;
  const CueSet& CuesOfCharacter(char16_t c);
  int CueId(const std::u16string& chars);

  std::vector<std::u16string> cues_;  // each a set of folded characters
  std::vector<CueSet> row_needs_;
  std::vector<std::size_t> row_longest_;
  std::vector<uint16_t> slot_;  // per UTF-16 unit: 0 unknown, else index + 1 into seen_
  std::vector<CueSet> seen_;
  CueSet scratch_;
};

}  // namespace BotCommand

#endif  // MIRADO_PLUGIN_ALIAS_PREFILTER_H_
