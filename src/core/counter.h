// The counter: one integer per channel (section) and NickKey, shared by the
// counter commands, counting rolls, the erosion roll, scene entry and
// resurrection. Stored as decimal text; read with the profile reader's rules.
//
// Counters are bounded: a value outside kCounterMin..kCounterMax is never
// stored (no 32-bit wrap-around, which would turn a rising erosion rate into a
// large negative one). A change that would leave the range is refused with
// kCounterRangeMessage and changes nothing.
#ifndef MIRADO_CORE_COUNTER_H_
#define MIRADO_CORE_COUNTER_H_

#include <cstdint>

namespace Counter {

// Nine digits either way: far beyond any erosion rate, scene count or hit
// point total, and the sum of two counters still fits in 32 bits.
constexpr int64_t kCounterMax = 999999999;
constexpr int64_t kCounterMin = -999999999;
inline constexpr const char* kCounterRangeMessage =
    "カウンタの値は-999999999から999999999までです。カウンタは変更されませんでした。";

inline bool InRange(int64_t value) { return value >= kCounterMin && value <= kCounterMax; }

}  // namespace Counter

#endif  // MIRADO_CORE_COUNTER_H_
