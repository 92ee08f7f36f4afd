// The Nechronica attack table, by the highest modified die: the result word
// and where the hit lands. Row 0 (a great failure) hits the attacker or an
// ally in the target area, row 5 any location the damaged side picks that is
// not destroyed yet; neither takes the argument. Row 10 names the extra
// damage (d - 10).
#include "dice/rules_second_set.h"

namespace Dice::SecondSet {

const AttackRow kAttackTable[kAttackRowCount] = {
    {"大失敗", "自分か対象エリアの味方に命中(箇所はダメージを受ける側の任意)"},
    {"失敗", nullptr},
    {"失敗", nullptr},
    {"失敗", nullptr},
    {"失敗", nullptr},
    {"成功", "ダメージを受ける側の任意箇所(全損箇所は除く)"},
    {"成功", "脚(既に全損なら攻撃側の任意)"},
    {"成功", "胴(既に全損なら攻撃側の任意)"},
    {"成功", "腕(既に全損なら攻撃側の任意)"},
    {"成功", "頭(既に全損なら攻撃側の任意)"},
    {"大成功", "攻撃側の任意箇所＆ダメージ+%d"},
};

}  // namespace Dice::SecondSet
