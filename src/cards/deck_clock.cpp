#include "cards/deck_clock.h"

#include "core/clock.h"

namespace Cards {
namespace {

SecondsClock g_clock = nullptr;

}  // namespace

int32_t SeedFromClock() {
  const int64_t now = g_clock != nullptr ? g_clock() : mirado::NowSeconds();
  // The low 32 bits, kept as a signed value so that "%d" writes it and the
  // profile reader reads it back unchanged (after 2038 too).
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(now)));
}

void SetClockForTesting(SecondsClock clock) { g_clock = clock; }

}  // namespace Cards
