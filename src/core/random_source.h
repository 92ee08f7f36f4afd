// The plug-in's one process-wide random generator: the reference 32-bit
// Mersenne Twister MT19937 (default seed 5489), and the one die source through
// which every command draws: the dice engine's rules, the tables and makers,
// the cards and the pool. A die of N faces is one output modulo N (plus 1
// unless zero-based); biased draws are used as they are.
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
// One draw modulo `faces`, 0..faces-1: a zero-based die, or a pick from a list
// of `faces` entries. 0 without drawing when faces <= 0.
inline int32_t Draw(int32_t faces);
// One die of `faces` faces, 1..faces. 0 without drawing when faces <= 0.
inline int32_t Die(int32_t faces);
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

// For tests inside the core (never exported from the library): the one
// forced-draw seam. While a source is set, every output of Next32 (and so
// every die, shuffle and pick) comes from it instead of the generator, so a
// test states the draws it wants; null restores the generator.
using DrawSource = uint32_t (*)();
void SetDrawsForTesting(DrawSource source);
// The scoped form: restores the generator when it goes out of scope.
class ScopedDrawsForTesting {
 public:
  explicit ScopedDrawsForTesting(DrawSource source) { SetDrawsForTesting(source); }
  ~ScopedDrawsForTesting() { SetDrawsForTesting(nullptr); }
  ScopedDrawsForTesting(const ScopedDrawsForTesting&) = delete;
  ScopedDrawsForTesting& operator=(const ScopedDrawsForTesting&) = delete;
};
// The counter reading Reseed uses. Null restores the platform clock.
using ClockReading = uint64_t (*)();
void SetClockForTesting(ClockReading counter, ClockReading ticks = nullptr);
// Forgets all state, as at load (never seeded).
void ResetForTesting();

inline int32_t Draw(int32_t faces) {
  return faces <= 0 ? 0 : static_cast<int32_t>(Next32() % static_cast<uint32_t>(faces));
}
inline int32_t Die(int32_t faces) { return faces <= 0 ? 0 : Draw(faces) + 1; }

}  // namespace RandomSource

#endif  // MIRADO_CORE_RANDOM_SOURCE_H_
