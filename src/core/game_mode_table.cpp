#include "core/game_mode_table.h"

namespace SettingsStore {

const GameModeEntry kGameModeTable[] = {
    {"ダブルクロス", "DX", {u"DX", u"ダブル?クロス?.*", u"DX\\d?", u"DOUBLECROSS"}},
    {"アルシャード", "ALS", {u"ALS", u"アルシャード.*", u"ALS?[FG2]?", u"ALSHARD"}},
    {"セブン＝フォートレス", "SF", {u"SF", u"セブン?[=＝]?フォ(ートレス)?.*", u"S=?F(V3|AD|M)?", u"7=?F"}},
    {"ナイトウィザード", "NW", {u"NW", u"ナイトウ[イィ]ザード.*", u"N(IGHT)?W(IZARD)?\\d?", u"NWIZ\\d?"}},
    {"異能使い", "INO", {u"INO", u"異能[使遣]い.*", u"INOU?\\d?", u""}},
    {"アリアンロッド", "ARA", {u"ARA", u"アリアン(ロッド)?.*", u"ARA?\\d?", u"ARIANRH?OD"}},
    {"ビーストバインド", "BBNT", {u"BBNT", u"ビ(ースト)?バ(インド)?.*", u"BB[T3]?", u""}},
    {"天下繚乱", "TENKA", {u"TENKA", u"天下(繚乱)?|柳生|蘭学", u"TRR", u""}},
    {"ソード・ワールド", "SW", {u"SW", u"ソード・?ワールド.*", u"S(WORD)?W(ORLD)?\\d?", u"SWORD\\d?"}},
    {"ドラゴンハーフ", "DH", {u"DH", u"ドラゴンハーフ", u"DRAGONHALF", u""}},
    {"ダークブレイズ", "DBZ", {u"DBZ", u"ダークブレイズ", u"DB", u"DARKBLAZE"}},
    {"迷宮キングダム",
     "MAYOKIN",
     {u"MAYOKIN", u"(迷|まよ|マヨ)宮?[きキ][んン](グダム)?|", u"M(AYO)?KIN|MEIKYU", u"MK"}},
    {"ピーカーブー", "PKB", {u"PKB", u"ピーカーブー", u"PEEKABOO", u""}},
    {"シノビガミ", "SNB", {u"SNB", u"シノビガミ|忍神", u"SH?INOBI(GAMI)?", u""}},
    {"ハンターズ・ムーン", "HMOON", {u"HMOON", u"ハンターズ・?ムーン", u"HM|HUNTERS?M(OON)?", u""}},
    {"ブラッド・クルセイド", "BCRUSADE", {u"BCRUSADE", u"ブラ(ッド・?)>クル(セイド)?", u"B(LOOD)?C(RUSADE)?", u""}},
    {"カードランカー", "CRANKER", {u"CRANKER", u"カードラ(ンカー)?|カドラン", u"C(ARD)?R(ANK(ER)?)?", u""}},
    {"永い後日談のネクロニカ", "NECHRO", {u"NECHRO", u"(永い後日談の)?ネクロニカ", u"NC", u"NECHRONICA"}},
    {"ベルファール魔法学園", "BELF", {u"BELF", u"ベルファー[ルレ](魔法)?(学[園校])?", u"BELLF(AHLE)?", u""}},
    {"ラビットホール・ドロップス", "RHD", {u"RHD", u"ラビットホール(・?ドロップス?)?|兎穴?", u"RABBIT(HOLE)?", u""}},
    {"ガンドッグ", "GD", {u"GD", u"ガンドッグ.*|銃犬.*", u"G(UN)?D(OG)?[Z0]?", u""}},
    {"バルナクロニカ", "BARNA", {u"BARNA", u"バルナ(クロニカ)?", u"BAR(NAKRONIKA)?", u""}},
    {"Fiasco", "FIASCO", {u"FIASCO", u"フィアスコ", u"", u""}},
    {"？？？", "NJSLYR", {u"NJSLYR", u"ニン(ジャ)?スレ([イー]ヤー?)?|忍殺|アイエ+", u"NINJASLAYER", u""}},
    {"？？？", "QS", {u"QS", u"くい(っく)?すた(ーと)?.*", u"QUI(CK)?STA(RT)?!*", u""}},
};
const std::size_t kGameModeCount = sizeof kGameModeTable / sizeof kGameModeTable[0];

}  // namespace SettingsStore
