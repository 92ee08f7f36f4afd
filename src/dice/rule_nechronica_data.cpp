// The Nechronica attack table, by the highest modified die: the result word
// and where the hit lands. Row 0 (a great failure) hits the attacker or an
// ally in the target area, row 5 any location the damaged side picks that is
// not destroyed yet; neither takes the argument. Row 10 names the extra
// damage (d - 10), which the rule writes after the row's text.
#include "dice/rule_data.h"

namespace Dice {

const AttackRow kAttackTable[kAttackRowCount] = {
    {"大失敗", "自分か対象エリアの味方に命中(箇所はダメージを受ける側の任意)", false},
    {"失敗", nullptr, false},
    {"失敗", nullptr, false},
    {"失敗", nullptr, false},
    {"失敗", nullptr, false},
    {"成功", "ダメージを受ける側の任意箇所(全損箇所は除く)", false},
    {"成功", "脚(既に全損なら攻撃側の任意)", false},
    {"成功", "胴(既に全損なら攻撃側の任意)", false},
    {"成功", "腕(既に全損なら攻撃側の任意)", false},
    {"成功", "頭(既に全損なら攻撃側の任意)", false},
    {"大成功", "攻撃側の任意箇所＆ダメージ+", true},
};

}  // namespace Dice
