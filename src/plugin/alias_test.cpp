// The alias rows: each reached by a phrase meant for it and passed over by a
// near miss, the order between rows that could take the same line, the
// placeholders, and the early turn-away, which must agree with trying every
// row.
#include <random>

#include "core/text.h"
#include "plugin/alias_prefilter.h"
#include "plugin/alias_table.h"
#include "support/test_support.h"

namespace BotCommand {
namespace {

using mirado::testing::ToUtf8;

// The canonical line a phrase becomes; "" when none. (Literals here are code
// page 932, as the host passes text.)
std::string Rewritten(const std::string& phrase) {
  std::string line;
  if (!RewriteAlias(phrase.c_str(), &line)) return "";
  return line;
}

int Row(const std::string& phrase) { return FindAliasRow(phrase.c_str()); }

struct Case {
  int row;
  const char* phrase;  // a phrase the row takes
  const char* line;    // the command line it becomes
  const char* miss;    // a phrase that must not reach the row
};

// One line per row, in table order. Folded rows see the phrase after width,
// kana and long-vowel folding, so a phrase may be typed with long vowels,
// small kana or hiragana that the row's pattern does not show.
const Case kCases[] = {
    {0, "EXパラメータ3", "#TABLE - EX ３", "EXパラメータ"},
    {1, "性格表", "#TABLE - CHAR", "性格"},
    {2, "ライフパス", "#TABLE - LIFE", "ライフパス表"},
    {3, "人間関係表", "#TABLE - REL", "人間表"},
    {4, "二つ名表", "#TABLE - TITLE", "三つ名表"},
    {5, "感情表", "#TABLE - FEEL", "感情"},
    {6, "衝動表", "#TABLE - URGE", "衝動"},
    {7, "覚醒表", "#TABLE - AWAKE", "覚醒"},
    {8, "名前表 女性", "#TABLE - NAME 女", "名前表 子"},
    {9, "カバー表", "#TABLE - COVER", "カバン表"},
    {10, "出自表 愛", "#TABLE - LOVE", "出自 恋"},
    {11, "出自罪表", "#TABLE - GUILTY", "出自 罰"},
    {12, "絆エゴ表", "#TABLE - EGO", "エゴ"},
    {13, "レクイエム表", "#TABLE - REQ", "レクイエム"},
    {14, "ターンアンデッド表", "#TABLE - TURN", "ターンアンデッド"},
    {15, "恐怖表", "#TABLE - FEAR", "恐怖"},
    {16, "デモンジャー召喚表", "#TABLE - JAR", "デモン召喚表"},
    {17, "通常シーン表", "#TABLE - SCENE", "シーン"},
    {18, "街中シーン表", "#TABLE - SCENE CITY", "村シーン表"},
    {19, "館場所表", "#TABLE - SCENE MANSION", "館表"},
    {20, "出島シーン表", "#TABLE - SCENE DEJIMA", "出島表"},
    {21, "トラブルシーン表", "#TABLE - SCENE TROUBLE", "トラブル表"},
    {22, "日常シーン表", "#TABLE - SCENE EVERYDAY", "日常表"},
    {23, "回想シーン表", "#TABLE - SCENE FLASHBACK", "回想表"},
    {24, "学校シーン表", "#TABLE - SCENE SCHOOL", "学院シーン表"},
    {25, "大会シーン表", "#TABLE - SCENE CONVENTION", "大会表"},
    {26, "屋外シーン表", "#TABLE - SCENE OUTER", "室外シーン表"},
    {27, "ファンブル表", "#TABLE - FUMBLE", "ファンブル"},
    {28, "バトルフィールド", "#TABLE - BATTLE", "バトル"},
    {29, "変調表", "#TABLE - BADSTATUS", "変調"},
    {30, "部位ダメージ決定表", "#TABLE - DAMAGE", "ダメージ表"},
    {31, "遭遇表", "#TABLE - ENCOUNTER", "遭遇"},
    {32, "モノビースト行動表", "#TABLE - ACTION", "モノビースト表"},
    {33, "ロケーション", "#TABLE - LOCATION", "ロケ表"},
    {34, "都市ロケーション表", "#TABLE - LOCATION CITY", "都市ロケ"},
    {35, "閉所ロケーション", "#TABLE - LOCATION SMALL", "閉所表"},
    {36, "炎熱ロケーション表", "#TABLE - LOCATION HEAT", "炎熱表"},
    {37, "冷暗ロケーション表", "#TABLE - LOCATION FREEZE", "冷暗表"},
    {38, "汎用運命表", "#TABLE - FATE", "運命"},
    {39, "大会運命表", "#TABLE - FATE CONVENTION", "大会運命"},
    {40, "学園運命表", "#TABLE - FATE SCHOOL", "学院運命表"},
    {41, "崩壊運命表", "#TABLE - FATE CRASH", "崩壊表"},
    {42, "rm", "#TABLE - MONSTER", "rmx"},
    {43, "マジックカード表", "#TABLE - MAGIC", "マジックカード"},
    {44, "田舎シーン表", "#TABLE - SCENE COUNTRY", "田舎表"},
    {45, "戦場シーン表", "#TABLE - SCENE BATTLE", "戦場シーン"},
    {46, "夢シーン表", "#TABLE - SCENE DREAM", "夢表"},
    {47, "先制判定指定特技表", "#TABLE - INITIATIVE", "先制"},
    {48, "身体部位決定表", "#TABLE - BODY", "身体"},
    {49, "未練表", "#TABLE - LINGER", "未練"},
    {50, "記憶のカケラ", "#TABLE - MEMORY", "記憶"},
    {51, "攻撃判定 3", "#TABLE - ATTACK 3", "攻撃判定 三"},
    {52, "タカラモノ", "#TABLE - TREASURE", "宝"},
    {53, "暗示表", "#TABLE - HINT", "暗示"},
    {54, "趣味ランダム表 abc", "#TABLE - HOBBY ＡＢＣ", "趣味表 a b"},
    {55, "性格決定表 ゲーマー", "#TABLE - CHAR ゲマ", "性格決定表 a b"},
    {56, "ウサピヨン登場", "#TABLE - RABBIT", "ウサピヨン"},
    {57, "ST", "#TABLE - SCENE ST", "S T"},
    {58, "ｘＬＴ", "#TABLE - LOCATION ｘＬＴ", "LTT"},
    {59, "dt", "#TABLE - FATE dt", "ET"},
    {60, "HT", "#TABLE - HAPPY HT", "HTT"},
    {61, "萌えヒロイン表", "#MAKE MOE", "萌え"},
    {62, "サンプルキャラクター表", "#MAKE - SAMPLE", "サンプル表"},
    {63, "ドロップス表", "#MAKE -", "ドロップ表"},
    {64, "キャラクターメイク", "#MAKE -", "キャラクター"},
    {65, "メモオープン", "#GET CH", "メモクローズ"},
    {66, "公開プロット", "#GET CH", "公開"},
    {67, "プロット＝3", "#SET MEMO=3", "プロット3"},
    {68, "ドローカード", "#CARD", "ドロップ"},
    {69, "クローズドダイス #gm", "#SET SECRET=#gm", "クローズドダイス"},
    {70, "ようやくシーン登場！", "#SCENEIN", "シーン"},
    {71, "ではリザレクトします", "#DX_RESURRECT ではリザレクトします", "リサイクル"},
    {72, "ゲームモード dx", "#MODE  dx", "ゲームモード"},
    {73, "SWゲームモード", "#MODE SW", "ゲームモ"},
};

TEST(AliasTable, EveryRowTakesItsPhraseAndNotTheNearMiss) {
  ASSERT_EQ(74u, kAliasTableSize);
  ASSERT_EQ(kAliasTableSize, std::size(kCases));
  for (const Case& c : kCases) {
    SCOPED_TRACE(ToUtf8(c.phrase));
    EXPECT_EQ(c.row, Row(c.phrase));
    EXPECT_EQ(c.line, Rewritten(c.phrase));
    EXPECT_NE(c.row, Row(c.miss)) << ToUtf8(c.miss);
  }
}

TEST(AliasTable, RowFlagsFollowTheTextTheyAreWrittenFor) {
  // Rows written with as-typed characters (long vowels, small kana, either
  // width) are matched as typed; no row needs a command prefix.
  // The attack row (51) reads its sign as typed, which folding would drop.
  for (int row : {51, 57, 58, 59, 60, 67, 69, 71, 72, 73}) EXPECT_EQ(kAsTyped, kAliasTable[row].Subject) << row;
  int folded = 0;
  for (std::size_t i = 0; i < kAliasTableSize; ++i) {
    EXPECT_FALSE(kAliasTable[i].Prefix);
    folded += kAliasTable[i].Subject == kFolded;
  }
  EXPECT_EQ(64, folded);
}

TEST(AliasTable, EarlierRowsWinOverLaterOnes) {
  EXPECT_EQ("#TABLE - CHAR", Rewritten("性格表"));       // not the character table with a word
  EXPECT_EQ("#TABLE - CHAR ", Rewritten("性格決定表"));  // the later row, nothing after it
  EXPECT_EQ("#TABLE - BATTLE", Rewritten("戦場表"));     // not the battlefield scene
  EXPECT_EQ("#TABLE - LOCATION", Rewritten("ロケーション表"));
  EXPECT_EQ("#GET CH", Rewritten("メモ公開"));  // not a memo reading "公開"
  EXPECT_EQ("#SET MEMO=公開", Rewritten("メモ 公開"));
  EXPECT_EQ("#SCENEIN", Rewritten("シーンイン"));
  // RES anywhere goes to resurrection before the game-mode phrases see it.
  EXPECT_EQ("#DX_RESURRECT ゲームモード RES", Rewritten("ゲームモード RES"));
  // A memo naming a scene table stays a memo (its row needs "=" or a space).
  EXPECT_EQ("#SET MEMO=シーン表", Rewritten("メモ=シーン表"));
}

TEST(AliasTable, PlaceholdersInsertGroupsOnce) {
  EXPECT_EQ("#TABLE - NAME ", Rewritten("名前表"));  // the optional group took no part
  EXPECT_EQ("#MODE  ダブルクロス", Rewritten("ゲームモード ダブルクロス"));
  EXPECT_EQ("#SET MEMO=明日は休み", Rewritten("メモ=明日は休み"));
  // Inserted text is never read again: a %1, %% or ☆ in a memo stays.
  EXPECT_EQ("#SET MEMO=%1と%%と☆", Rewritten("メモ=%1と%%と☆"));
  EXPECT_EQ("#MODE %0%1", Rewritten("%0%1ゲームモード"));
  EXPECT_EQ("#SET SECRET=", Rewritten("シークレットダイス="));
}

TEST(AliasTable, LinesNoRowTakes) {
  for (const char* line : {"", "hello everyone", "2D6", "今日はよろしくお願いします", "表", "メモ"}) {
    EXPECT_EQ("", Rewritten(line)) << ToUtf8(line);
  }
  EXPECT_FALSE(RewriteAlias(nullptr, nullptr));
}

// The turn-away must never hide a row: on phrases, near misses and random
// mixtures of the characters the rows are made of (in both widths, both kana,
// with sound marks and small vowels), the row found with it is the row found
// by trying every row.
TEST(AliasPrefilter, AgreesWithTryingEveryRow) {
  std::vector<std::string> lines;
  for (const Case& c : kCases) {
    lines.push_back(c.phrase);
    lines.push_back(c.miss);
  }
  const std::u16string pieces =
      u"表性格ラ イフパス関係二ツ名感情衝動覚醒前ネム男女カバ出自愛罪エゴ絆レクイムタンアデド恐怖ジヤャ召喚汎用通常シ"
      u"場所都市街町館島トブル日回想学園校大会郊屋外フアァ戦バフィ変調部位ダメジ決定遭遇モノビスト行動ロケョヨ閉炎熱冷"
      u"暗運命崩壊ＲＭRMmrマジクッー・田舎夢先制判指特技身体未練記憶カケラ欠片攻撃＋－=3３宝物示趣味ランダ登場ウサピヨ"
      u"SsＳTtＴLｌFfDdHhＨ萌ヒロインサプキヤ作成メイオープ公開ローズドダイスシークレット=＝。…！リりザざRrＲEeＳs"
      u"ゲげむムもモどド―－-ヴゔぁぃぇぉｧｨｪｫｳｶｻﾞﾟﾊﾍﾞｹﾞ%☆ \t\u309B\u3099か";
  std::mt19937 random(20130115);
  auto piece = [&]() { return pieces[random() % pieces.size()]; };
  for (int i = 0; i < 4000; ++i) {
    std::u16string line;
    if (i % 2 == 0) {
      const int length = 1 + static_cast<int>(random() % 12);
      for (int k = 0; k < length; ++k) line.push_back(piece());
    } else {
      // A phrase with one or two characters inserted, replaced or dropped.
      line = mirado::ToWide(kCases[random() % std::size(kCases)].phrase);
      for (int edits = 1 + static_cast<int>(random() % 2); edits > 0 && !line.empty(); --edits) {
        const std::size_t at = random() % line.size();
        switch (random() % 3) {
          case 0: line.insert(line.begin() + static_cast<std::ptrdiff_t>(at), piece()); break;
          case 1: line[at] = piece(); break;
          default: line.erase(at, 1); break;
        }
      }
    }
    lines.push_back(mirado::ToNarrow(line));
  }
  int matched = 0;
  for (const std::string& line : lines) {
    const int every = FindAliasRow(line.c_str(), true);
    EXPECT_EQ(every, FindAliasRow(line.c_str())) << ToUtf8(line);
    matched += every >= 0;
  }
  EXPECT_GT(matched, 150);  // the mixtures reach rows, not only misses
}

TEST(AliasPrefilter, CuesComeFromWhatEveryMatchContains) {
  using Cues = std::vector<std::u16string>;
  EXPECT_EQ((Cues{u"性", u"格", u"表"}), AliasPrefilter::CuesOf(u"性格表"));
  // A branch that needs nothing, an optional part, \w and ranges add no cue.
  EXPECT_EQ(Cues{}, AliasPrefilter::CuesOf(u"a|b?"));
  EXPECT_EQ((Cues{u"Ｔ"}), AliasPrefilter::CuesOf(u"(\\w?[TＴ])"));
  EXPECT_EQ((Cues{u"ゲ"}), AliasPrefilter::CuesOf(u"[げゲ][ー―-－]"));  // the range and the long vowel: none
  // An alternation needs a set of each branch united: here リ or R, ザ or S...
  EXPECT_EQ((Cues{u"リＲ", u"リＥ", u"リＳ", u"ザＲ", u"ザＥ", u"ザＳ"}),
            AliasPrefilter::CuesOf(u".*(?:[リり][ザざ]|[ＲR][ＥE][ＳS]).*"));
  EXPECT_EQ(Cues{}, AliasPrefilter::CuesOf(u"(unbalanced"));
  EXPECT_EQ(3u, AliasPrefilter::LongestMatchOf(u"(\\w?[SＳ][TＴ])"));
  EXPECT_EQ(AliasPrefilter::kUnbounded, AliasPrefilter::LongestMatchOf(u"(.+)[げゲ]"));
  EXPECT_EQ(AliasPrefilter::kUnbounded, AliasPrefilter::LongestMatchOf(u"a{2}"));
}

}  // namespace
}  // namespace BotCommand
