// Swapped percentile ("SWAP", "RSWAP"): two zero-based ten-sided dice read as
// a percentile (00 to 99) with the smaller digit in the tens ("SWAP") or the
// larger one ("RSWAP"), as games that let the roller swap the digits do.
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {

int RuleSwappedPercentile(RuleResult& result, int32_t type, const RuleInput&) {
  const int32_t x = RandomSource::Draw(10);
  const int32_t y = RandomSource::Draw(10);
  const int32_t low = x < y ? x : y;
  const int32_t high = x < y ? y : x;
  result.value = type == kSwapLargerFirst ? high * 10 + low : low * 10 + high;
  mirado::FormatText(result.text, kTextSize, "[%d,%d:%02d]", x, y, result.value);
  return 0;
}

}  // namespace Dice
