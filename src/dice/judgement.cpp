// Success judgement: the comparison suffix of a roll expression. Until the
// comparison parser is in, the expression is rolled whole, once.
#include "dice/dice.h"

namespace Dice {

void StripComparison(char*, int* compare_op, double* compare_target, int* repeat_count) {
  *compare_op = 0;
  *compare_target = 0;
  *repeat_count = 1;
}

}  // namespace Dice
