#include "plugin/random_source.h"

#include "platform/platform.h"

namespace RandomSource {
namespace {

constexpr int kWords = 624;
constexpr int kMiddle = 397;
constexpr int kNeverSeeded = 625;

uint32_t g_words[kWords];
int g_index = kNeverSeeded;
ClockReading g_counter = nullptr;
ClockReading g_ticks = nullptr;

void Twist() {
  for (int i = 0; i < kWords; ++i) {
    const uint32_t y = (g_words[i] & 0x80000000u) | (g_words[(i + 1) % kWords] & 0x7fffffffu);
    g_words[i] = g_words[(i + kMiddle) % kWords] ^ (y >> 1) ^ ((y & 1u) != 0 ? 0x9908b0dfu : 0u);
  }
  g_index = 0;
}

}  // namespace

void Seed(uint32_t value) {
  g_words[0] = value;
  for (int i = 1; i < kWords; ++i) {
    g_words[i] = 1812433253u * (g_words[i - 1] ^ (g_words[i - 1] >> 30)) + static_cast<uint32_t>(i);
  }
  g_index = kWords;
}

void Reseed() {
  const uint64_t counter = g_counter != nullptr ? g_counter() : mirado::platform::HighResolutionCounter();
  if (counter != 0) {
    Seed(static_cast<uint32_t>(counter));
  } else {
    Seed(g_ticks != nullptr ? static_cast<uint32_t>(g_ticks()) : mirado::platform::TickCount());
  }
}

uint32_t Next32() {
  if (g_index >= kWords) {
    if (g_index == kNeverSeeded) Seed(5489u);
    Twist();
  }
  uint32_t y = g_words[g_index++];
  y ^= y >> 11;
  y ^= (y << 7) & 0x9d2c5680u;
  y ^= (y << 15) & 0xefc60000u;
  y ^= y >> 18;
  return y;
}

void Shuffle(int32_t* values, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    const uint32_t j = Next32() % static_cast<uint32_t>(count);
    const int32_t t = values[i];
    values[i] = values[j];
    values[j] = t;
  }
}

int32_t RollSum(int32_t count, uint32_t faces, bool zero_based) {
  uint32_t sum = 0;
  for (int32_t i = 0; i < count; ++i) sum += Next32() % faces + (zero_based ? 0u : 1u);
  return static_cast<int32_t>(sum);
}

int32_t RollPairIndex(int32_t* low, int32_t* high) {
  const int32_t a = RollSum(1, 6, true);
  const int32_t b = RollSum(1, 6, true);
  const int32_t lo = a < b ? a : b;
  const int32_t hi = a < b ? b : a;
  int32_t index = hi - lo;
  for (int32_t k = 0; k < lo; ++k) index += 6 - k;
  if (low != nullptr) *low = lo;
  if (high != nullptr) *high = hi;
  return index;
}

void SetClockForTesting(ClockReading counter, ClockReading ticks) {
  g_counter = counter;
  g_ticks = ticks;
}

void ResetForTesting() { g_index = kNeverSeeded; }

}  // namespace RandomSource
