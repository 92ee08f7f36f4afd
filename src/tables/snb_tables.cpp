// The tables of the SNB system that are more than one described row: the
// secret art, whose name is put together from two syllable lists and a
// quote of its kind, and the fumble table, which can chain into the
// bad-status table. The scene, bad-status, battlefield, emotion, mission
// failure and new mission tables are described by their data files.
#include <string>

#include "core/random_source.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {
namespace {

// The effect kinds of a secret art, as word 3 names them (read in half
// width, so the katakana alternatives are written in half-width forms).
constexpr KindRow kArtKinds[] = {
    {u"ｸﾘ(ﾃｨｶﾙ)?|ｸﾘｯﾄ|C(RITICAL)?|CRI?T?", "クリティカル"},
    {u"範囲|A(REA)?|SCOPE", "範囲攻撃"},
    {u"成功|S(UCCESS)?|SUCCEED", "完全成功"},
    {u"不死者?|I(MMORTAL)?|IM", "不死身"},
    {u"防御|G(UARD)?|INVUL", "絶対防御"},
    {u"妨害|B(LOCK)?|JAM", "判定妨害"},
    {u"追加|E(XTRA)?|EX", "追加忍法"},
};
constexpr KindSelector kArtKindWords{kArtKinds, KindFolding::kHalfWidth, false, KindFallback::kNoReply};
constexpr int32_t kArtKindCount = static_cast<int32_t>(sizeof kArtKinds / sizeof kArtKinds[0]);

}  // namespace

// A handler because the reply joins several rolls: the kind (drawn first,
// and used when word 3 names none), the 2D6 form that says which two
// syllable lists make the name, one ordered D66 in each list, and the 1D6
// quote of the kind.
void SnbSecretArt(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  const int32_t drawn = RandomSource::Draw(kArtKindCount);
  int32_t kind = kArtKindWords.Select(words[1]);
  if (kind < 0) kind = drawn;
  const TableRoll form = RollTable(Data::DiceKind::k2D6, 11);
  const auto& lists = Data::snb_art_forms.Row(form.row);
  const TableRoll first = RollTable(Data::DiceKind::kOrderedD66, 21);
  const TableRoll second = RollTable(Data::DiceKind::kOrderedD66, 21);
  const TableRoll quote_roll = RollTable(Data::DiceKind::k1D6, 6);
  const std::string_view quote = Data::snb_art_quotes.Row(kind, quote_roll.row).quote;
  const std::string quoted = quote.empty() ? std::string() : "\"" + std::string(quote) + "\" ";
  out.Say("奥義:[%d][%d%d,%d%d] %s%s%s (%s)", form.row + 1, first.tens, first.ones, second.tens, second.ones,
          quoted.c_str(), Data::snb_art_first.Row(lists.first, first.row).syllable,
          Data::snb_art_second.Row(lists.second, second.row).syllable, kArtKinds[kind].name);
}

// A handler because a fumble that brings a bad status runs the bad-status
// table with the same words (its Sengoku table when word 3 asks for it), and
// its reply follows the fumble's line.
void SnbFumble(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  const TableRoll roll = RollTable(Data::snb_fumble.dice, Data::snb_fumble.rows);
  const auto& fumble = Data::snb_fumble.Row(roll.row);
  if (!out.Say("ファンブル表：[%d] %s", roll.shown, fumble.text)) return;
  if (fumble.chains != 0) ServeTable(out, Data::snb_bad_status_table, words);
}

}  // namespace Tables
