#include "core/game_mode.h"

#include <map>
#include <mutex>
#include <span>
#include <string>

#include "core/first_match.h"
#include "core/text.h"

namespace mirado {

const GameModeEntry kGameModeTable[] = {
    {GameMode::kDoubleCross, "ダブルクロス", "DX", {u"DX", u"ダブル?クロス?.*", u"DX\\d?", u"DOUBLECROSS"}},
    {GameMode::kAlshard, "アルシャード", "ALS", {u"ALS", u"アルシャード.*", u"ALS?[FG2]?", u"ALSHARD"}},
    {GameMode::kSevenFortress,
     "セブン＝フォートレス",
     "SF",
     {u"SF", u"セブン?[=＝]?フォ(ートレス)?.*", u"S=?F(V3|AD|M)?", u"7=?F"}},
    {GameMode::kNightWizard,
     "ナイトウィザード",
     "NW",
     {u"NW", u"ナイトウ[イィ]ザード.*", u"N(IGHT)?W(IZARD)?\\d?", u"NWIZ\\d?"}},
    {GameMode::kIno, "異能使い", "INO", {u"INO", u"異能[使遣]い.*", u"INOU?\\d?", u""}},
    {GameMode::kArianrhod, "アリアンロッド", "ARA", {u"ARA", u"アリアン(ロッド)?.*", u"ARA?\\d?", u"ARIANRH?OD"}},
    {GameMode::kBeastBind, "ビーストバインド", "BBNT", {u"BBNT", u"ビ(ースト)?バ(インド)?.*", u"BB[T3]?", u""}},
    {GameMode::kTenka, "天下繚乱", "TENKA", {u"TENKA", u"天下(繚乱)?|柳生|蘭学", u"TRR", u""}},
    {GameMode::kSwordWorld,
     "ソード・ワールド",
     "SW",
     {u"SW", u"ソード・?ワールド.*", u"S(WORD)?W(ORLD)?\\d?", u"SWORD\\d?"}},
    {GameMode::kDragonHalf, "ドラゴンハーフ", "DH", {u"DH", u"ドラゴンハーフ", u"DRAGONHALF", u""}},
    {GameMode::kDarkBlaze, "ダークブレイズ", "DBZ", {u"DBZ", u"ダークブレイズ", u"DB", u"DARKBLAZE"}},
    {GameMode::kMayokin,
     "迷宮キングダム",
     "MAYOKIN",
     {u"MAYOKIN", u"(迷|まよ|マヨ)宮?[きキ][んン](グダム)?|", u"M(AYO)?KIN|MEIKYU", u"MK"}},
    {GameMode::kPeekaboo, "ピーカーブー", "PKB", {u"PKB", u"ピーカーブー", u"PEEKABOO", u""}},
    {GameMode::kShinobigami, "シノビガミ", "SNB", {u"SNB", u"シノビガミ|忍神", u"SH?INOBI(GAMI)?", u""}},
    {GameMode::kHuntersMoon,
     "ハンターズ・ムーン",
     "HMOON",
     {u"HMOON", u"ハンターズ・?ムーン", u"HM|HUNTERS?M(OON)?", u""}},
    {GameMode::kBloodCrusade,
     "ブラッド・クルセイド",
     "BCRUSADE",
     {u"BCRUSADE", u"ブラ(ッド・?)?クル(セイド)?", u"B(LOOD)?C(RUSADE)?", u""}},
    {GameMode::kCardRanker,
     "カードランカー",
     "CRANKER",
     {u"CRANKER", u"カードラ(ンカー)?|カドラン", u"C(ARD)?R(ANK(ER)?)?", u""}},
    {GameMode::kNechronica,
     "永い後日談のネクロニカ",
     "NECHRO",
     {u"NECHRO", u"(永い後日談の)?ネクロニカ", u"NC", u"NECHRONICA"}},
    {GameMode::kBelfahle,
     "ベルファール魔法学園",
     "BELF",
     {u"BELF", u"ベルファー[ルレ](魔法)?(学[園校])?", u"BELLF(AHLE)?", u""}},
    {GameMode::kRabbitHole,
     "ラビットホール・ドロップス",
     "RHD",
     {u"RHD", u"ラビットホール(・?ドロップス?)?|兎穴?", u"RABBIT(HOLE)?", u""}},
    {GameMode::kGundog, "ガンドッグ", "GD", {u"GD", u"ガンドッグ.*|銃犬.*", u"G(UN)?D(OG)?[Z0]?", u""}},
    {GameMode::kBarna, "バルナクロニカ", "BARNA", {u"BARNA", u"バルナ(クロニカ)?", u"BAR(NAKRONIKA)?", u""}},
    {GameMode::kFiasco, "Fiasco", "FIASCO", {u"FIASCO", u"フィアスコ", u"", u""}},
    {GameMode::kNinjaSlayer,
     "？？？",
     "NJSLYR",
     {u"NJSLYR", u"ニン(ジャ)?スレ([イー]ヤー?)?|忍殺|アイエ+", u"NINJASLAYER", u""}},
    {GameMode::kQuickStart, "？？？", "QS", {u"QS", u"くい(っく)?すた(ーと)?.*", u"QUI(CK)?STA(RT)?!*", u""}},
};
const std::size_t kGameModeCount = sizeof kGameModeTable / sizeof kGameModeTable[0];

const GameModeEntry* FindGameMode(std::u16string_view word) {
  return FirstRowWhere(std::span<const GameModeEntry>(kGameModeTable, kGameModeCount), [&](const GameModeEntry& mode) {
    for (const char16_t* pattern : mode.patterns) {
      if (pattern != nullptr && FullMatchWide(word, pattern)) return true;
    }
    return false;
  });
}

const GameModeEntry* FindGameMode(std::string_view word) {
  if (word.empty()) return nullptr;
  // A pure function of the text and the constant table: remembered per text
  // (at most 1024 texts), so every command reading its channel's mode does
  // not search the table again.
  static std::mutex mutex;
  static auto* known = new std::map<std::string, const GameModeEntry*, std::less<>>();
  {
    std::lock_guard<std::mutex> lock(mutex);
    const auto it = known->find(word);
    if (it != known->end()) return it->second;
  }
  const GameModeEntry* entry = FindGameMode(ToWide(word));
  std::lock_guard<std::mutex> lock(mutex);
  if (known->size() > 1024) known->clear();
  known->emplace(std::string(word), entry);
  return entry;
}

}  // namespace mirado
