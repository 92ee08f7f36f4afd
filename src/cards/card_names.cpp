// Card names of the deck kinds. Numbers below 10 are written full width in
// the arcana-shaped decks (major arcana, CST, BOA), as a printed card shows
// them; the NOVA deck keeps the ASCII numbers of its negative cards
// throughout. The major arcana follow the Rider-Waite-Smith deck in both
// their English names and their numbering, so Strength is VIII and Justice
// XI; the CST deck's arcana are numbered the same way.
#include "cards/card_names.h"

namespace Cards {
namespace {

template <std::size_t N>
constexpr NameList List(const char* const (&names)[N]) {
  return NameList{names, N};
}

const char* const kMajorArcana[] = {
    "０.《愚者／The Fool》",
    "１.《魔術師／The Magician》",
    "２.《女教皇／The High Priestess》",
    "３.《女帝／The Empress》",
    "４.《皇帝／The Emperor》",
    "５.《教皇／The Hierophant》",
    "６.《恋人／The Lovers》",
    "７.《戦車／The Chariot》",
    "８.《力／Strength》",
    "９.《隠者／The Hermit》",
    "10.《運命の輪／Wheel of Fortune》",
    "11.《正義／Justice》",
    "12.《吊された男／The Hanged Man》",
    "13.《死神／Death》",
    "14.《節制／Temperance》",
    "15.《悪魔／The Devil》",
    "16.《塔／The Tower》",
    "17.《星／The Star》",
    "18.《月／The Moon》",
    "19.《太陽／The Sun》",
    "20.《審判／Judgement》",
    "21.《世界／The World》",
};

// Months in order; in each, the bright or animal card first, then the
// ribbon, then the plain cards. The red ribbons with writing carry the
// reading of their poem in brackets.
// clang-format off
const char* const kHanafuda[] = {
    "松に鶴", "松に赤短(あかよろし)", "松のカス", "松のカス",  // 1 pine
    "梅に鶯", "梅に赤短(あかよろし)", "梅のカス", "梅のカス",  // 2 plum
    "桜に幕", "桜に赤短(みよしの)", "桜のカス", "桜のカス",  // 3 cherry
    "藤に不如帰", "藤に短冊", "藤のカス", "藤のカス",  // 4 wisteria
    "菖蒲に八橋", "菖蒲に短冊", "菖蒲のカス", "菖蒲のカス",  // 5 iris
    "牡丹に蝶", "牡丹に青短", "牡丹のカス", "牡丹のカス",  // 6 peony
    "萩に猪", "萩に短冊", "萩のカス", "萩のカス",  // 7 bush clover
    "芒に月", "芒に雁", "芒のカス", "芒のカス",  // 8 pampas grass
    "菊に盃", "菊に青短", "菊のカス", "菊のカス",  // 9 chrysanthemum
    "紅葉に鹿", "紅葉に青短", "紅葉のカス", "紅葉のカス",  // 10 maple
    "柳に小野道風", "柳に燕", "柳に短冊", "柳のカス",  // 11 willow
    "桐に鳳凰", "桐のカス", "桐のカス", "桐のカス",  // 12 paulownia
};
// clang-format on

// The arcana with the character type a school-life game gives each.
const char* const kCst[] = {
    "０.《愚者／ドジっ娘》",     "１.《魔術師／魔法少女》", "２.《女教皇／委員長》",   "３.《女帝／お嬢様》",
    "４.《皇帝／俺様》",         "５.《教皇／先生》",       "６.《恋人／幼なじみ》",   "７.《戦車／体育会系》",
    "８.《力／番長》",           "９.《隠者／引きこもり》", "10.《運命の輪／転校生》", "11.《正義／風紀委員》",
    "12.《吊された男／苦労人》", "13.《死神／クール系》",   "14.《節制／メイド》",     "15.《悪魔／小悪魔》",
    "16.《塔／ツンデレ》",       "17.《星／アイドル》",     "18.《月／不思議ちゃん》", "19.《太陽／元気っ娘》",
    "20.《審判／生徒会長》",     "21.《世界／完璧超人》",
};

// A near-future city: the negative cards are the uncanny, the rest the
// people of its streets, each with the trick that is theirs alone. From the
// unnumbered card on, a name begins with the space the draw line leaves out.
const char* const kNova[] = {
    "-18.アヤカシ《霧散／Disappear》", "-9.ヌエ《変化／Shapeshift》",     "-7.ツクモ《憑依／Possess》",
    "-1.ミズチ《水禍／Deluge》",       " －.ナナシ《無名／Nameless》",    " 1.サムライ《一刀／Slash》",
    " 2.シノビ《潜影／Infiltrate》",   " 3.ヤクザ《仁義／Honor》",        " 4.デンノウ《侵入／Intrusion》",
    " 5.カラクリ《修繕／Repair》",     " 6.ハカセ《解析／Analyze》",      " 7.イシャ《蘇生／Revive》",
    " 8.ブンヤ《特報／Scoop》",        " 9.デカ《逮捕／Arrest》",         " 10.ヨウヘイ《掃射／Barrage》",
    " 11.アキンド《調達／Procure》",   " 12.トノ《威光／Authority》",     " 13.ウタヒメ《魅了／Charm》",
    " 14.ハシリヤ《疾走／Dash》",      " 15.ミコ《神託／Oracle》",        " 16.カゲムシャ《身代／Substitute》",
    " 17.クロコ《暗躍／Scheme》",      " 18.ツワモノ《不屈／Endure》",    " 19.マジナイシ《呪詛／Curse》",
    " 20.バクト《博打／Gamble》",      " 21.カミガカリ《降臨／Descent》",
};

// Arcana named by Latin words, each with its miracle and the miracle's
// reading.
const char* const kBoa[] = {
    "－.ウェントス《神移／ワールウィンド》",
    "１.ルーメン《天照／グローリーライト》",
    "２.アクア《水鏡／ミラーサーフェス》",
    "３.イグニス《劫火／ヘルファイア》",
    "４.テッラ《地鎮／アースバインド》",
    "５.グラディウス《一閃／ブレードフラッシュ》",
    "６.スクートゥム《金剛／アダマントウォール》",
    "７.ルナ《月読／ムーンリーディング》",
    "８.ソル《日輪／サンクラウン》",
    "９.ステッラ《星詠／スターゲイザー》",
    "10.ノクス《夜帳／ナイトヴェール》",
    "11.フルメン《雷槌／サンダーボルト》",
    "12.ウンブラ《影縫／シャドウステッチ》",
    "13.モルス《冥門／ヘルゲート》",
    "14.ウィータ《再生／リバイブ》",
    "15.レクス《王命／ロイヤルオーダー》",
    "16.アニマ《魂呼／ソウルコール》",
    "17.フォルトゥナ《天運／グッドフォーチュン》",
    "18.メモリア《追憶／リコレクション》",
    "19.ウェリタス《真眼／トゥルーサイト》",
    "20.フィデス《誓約／オース》",
    "21.ムンドゥス《創界／ワールドメイク》",
};

}  // namespace

const char* const kSuits[4] = {"スペード", "クラブ", "ハート", "ダイヤ"};
const char* const kRanks[13] = {"Ａ", "２", "３", "４", "５", "６", "７", "８", "９", "10", "Ｊ", "Ｑ", "Ｋ"};
const char* const kJokerWord = "ジョーカー";
const char* const kJokerColours[2] = {"黒", "赤"};

const NameList kMajorArcanaNames = List(kMajorArcana);
const NameList kHanafudaNames = List(kHanafuda);
const NameList kCstNames = List(kCst);
const NameList kNovaNames = List(kNova);
const NameList kBoaNames = List(kBoa);

}  // namespace Cards
