// The wall clock, for the commands that store a time-based value (a deck's
// seed). Through the platform layer, like every other look at the system.
#ifndef MIRADO_CORE_CLOCK_H_
#define MIRADO_CORE_CLOCK_H_

#include <cstdint>

namespace mirado {

// Seconds since the epoch.
int64_t NowSeconds();

}  // namespace mirado

#endif  // MIRADO_CORE_CLOCK_H_
