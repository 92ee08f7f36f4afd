// Set count ("BRK", and "BRKA" with body locations): six-sided dice counted by
// face. Without a call face the value is the size of the largest set (a face
// shown twice or more); with a call face (the first critical value, 1 to 6)
// the value is twice the number of dice showing it. The dice are listed sorted.
//
// A count of 0 or less rolls nothing; more than kMaxDice dice are refused.
#include "core/text.h"
#include "dice/rule_data.h"
#include "dice/rules.h"

namespace Dice {

int RuleSetCount(RuleResult& result, int32_t type, const RuleInput& input) {
  const int32_t count = input.before;
  if (count > kMaxDice) return 1;
  const int32_t called =
      input.critical_count > 0 && input.critical[0] >= 1 && input.critical[0] <= 6 ? input.critical[0] : 0;

  int32_t faces[7] = {};
  for (int32_t i = 0; i < count; ++i) ++faces[RandomSource::Die(6)];

  std::string list;
  for (int face = 1; face <= 6; ++face) {
    for (int32_t n = 0; n < faces[face] && !IsFull(list); ++n) {
      AppendListed(list, list.empty() ? '\0' : ',', face);
    }
  }

  int32_t largest = 0, sets = 0;
  for (int face = 1; face <= 6; ++face) {
    if (faces[face] < 2) continue;
    ++sets;
    if (faces[face] > largest) largest = faces[face];
  }
  result.value = called != 0 ? 2 * faces[called] : largest;

  std::string mark;
  if (type == kSetCountLocations) {
    if (called != 0) {
      mirado::FormatToString(mark, kTextSize, "<クリティカルコール:%d><%s:%d>", called, kBodyLocations[called - 1],
                             2 * faces[called]);
    } else {
      mark = "<";
      for (int face = 1; face <= 6; ++face) {
        if (faces[face] == 0) continue;
        if (mark.size() > 1) mark += "/";
        mirado::FormatToString(mark, kTextSize, "%s%s:%d", mark.c_str(), kBodyLocations[face - 1], faces[face]);
      }
      mark += ">";
    }
  } else if (called != 0) {
    mirado::FormatToString(mark, kTextSize, "<1セット/クリティカルコール:%d>", called);
  } else if (sets > 0) {
    mirado::FormatToString(mark, kTextSize, "<%dセット>", sets);
  }
  mirado::FormatText(result.text, kTextSize, "[%s]%s", list.c_str(), mark.c_str());
  return 0;
}

}  // namespace Dice
