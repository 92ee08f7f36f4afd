// The clock a deck's seed is taken from: the current time in whole seconds,
// through the platform layer. Tests put a fixed clock in its place so that a
// freshly set deck's order is known.
#ifndef MIRADO_CARDS_DECK_CLOCK_H_
#define MIRADO_CARDS_DECK_CLOCK_H_

#include <cstdint>

namespace Cards {

// The seed a deck set up or reshuffled now receives: the current time in
// seconds, cut to 32 bits as the generator's seed is.
int32_t SeedFromClock();

// Replaces the clock (seconds since the epoch); null restores the platform's.
using SecondsClock = int64_t (*)();
void SetClockForTesting(SecondsClock clock);

}  // namespace Cards

#endif  // MIRADO_CARDS_DECK_CLOCK_H_
