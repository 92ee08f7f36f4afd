// The chance table of the graded percentile ("PH"): upper bound of the
// difference between the two ratings, chance in percent.
#include "dice/rule_data.h"

namespace Dice {

const ChanceRow kChanceTable[kChanceRowCount] = {
    {-60, 5}, {-50, 10}, {-40, 15}, {-30, 20}, {-20, 25}, {-14, 30}, {-9, 35},  {-6, 40}, {-5, 45},
    {-4, 50}, {-3, 55},  {-2, 60},  {-1, 65},  {0, 70},   {1, 75},   {2, 80},   {3, 85},  {6, 90},
    {12, 95}, {20, 100}, {30, 105}, {40, 110}, {50, 115}, {60, 120}, {70, 125},
};

}  // namespace Dice
