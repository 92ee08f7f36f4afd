// The plug-in's one process-wide random generator: the reference 32-bit
// Mersenne Twister MT19937 (default seed 5489), with the helpers through which
// every command draws dice, shuffles decks and picks from two-dice tables.
// A die of N faces is one output modulo N (plus 1 unless zero-based).
#ifndef MIRADO_CORE_RANDOM_SOURCE_H_
#define MIRADO_CORE_RANDOM_SOURCE_H_

#include <cstdint>

namespace RandomSource {

// Initialises the state from `value`.
void Seed(uint32_t value);
// Seeds from the high-resolution counter's low 32 bits, or from the
// millisecond tick count when the counter reads 0.
void Reseed();
// The next output. A generator never seeded starts from seed 5489.
uint32_t Next32();
// Swaps each position i with position Next32() % count, in order. This is not
// Fisher-Yates and must stay exactly this procedure: stored decks are rebuilt
// by Seed followed by Shuffle. A count of 0 or less does nothing.
void Shuffle(int32_t* values, int32_t count);
// Sum of `count` dice of `faces` faces (faces >= 1); 0 without drawing when
// count <= 0.
int32_t RollSum(int32_t count, uint32_t faces, bool zero_based);
// Two zero-based six-sided dice; the index 0..20 of the unordered pair
// (lexicographic over low <= high); low and high receive the faces 0..5.
int32_t RollPairIndex(int32_t* low = nullptr, int32_t* high = nullptr);

// For tests and tools inside the core (never exported from the library): the
// counter reading Reseed uses. Null restores the platform clock.
using ClockReading = uint64_t (*)();
void SetClockForTesting(ClockReading counter, ClockReading ticks = nullptr);
// Forgets all state, as at load (never seeded).
void ResetForTesting();

}  // namespace RandomSource

#endif  // MIRADO_CORE_RANDOM_SOURCE_H_
