#include "core/random_source.h"

#include "platform/platform.h"

namespace RandomSource {
namespace {

constexpr int kWords = 624;
constexpr int kMiddle = 397;

// The generator does its work only when a number is drawn. Most commands
// reseed and then draw a few dice, and many chat lines reseed without drawing
// at all, so seeding and the state transition are done lazily, word by word:
// the transition of the reference algorithm updates the words in order, in
// place, each from itself, its successor and the word kMiddle further on, so
// computing word i just before it is output gives exactly the same sequence.
uint32_t g_words[kWords];
uint32_t g_seed = 5489u;  // the default seed of the reference algorithm
int g_filled = 0;         // words [0, g_filled) hold the seeded state
int g_index = kWords;     // next word to output; kWords: a new round starts
ClockReading g_counter = nullptr;
DrawSource g_forced = nullptr;
ClockReading g_ticks = nullptr;

// Fills the seeded words up to (not including) `count`.
void Fill(int count) {
  if (g_filled >= count) return;
  if (g_filled == 0) g_words[g_filled++] = g_seed;
  // Each word depends on the one before: the loop runs on locals so that
  // only that dependency, not the globals, sets its pace.
  int i = g_filled;
  uint32_t previous = g_words[i - 1];
  for (; i < count; ++i) {
    previous = 1812433253u * (previous ^ (previous >> 30)) + static_cast<uint32_t>(i);
    g_words[i] = previous;
  }
  g_filled = i;
}

}  // namespace

void Seed(uint32_t value) {
  g_seed = value;
  g_filled = 0;
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
  if (g_forced != nullptr) [[unlikely]]
    return g_forced();
  if (g_index >= kWords) g_index = 0;
  const int i = g_index++;
  // Word i of the new round needs words i + 1 and i + kMiddle of the old one.
  if (g_filled < kWords) Fill(i + kMiddle + 1 < kWords ? i + kMiddle + 1 : kWords);
  const uint32_t y = (g_words[i] & 0x80000000u) | (g_words[(i + 1) % kWords] & 0x7fffffffu);
  g_words[i] = g_words[(i + kMiddle) % kWords] ^ (y >> 1) ^ ((y & 1u) != 0 ? 0x9908b0dfu : 0u);
  uint32_t z = g_words[i];
  z ^= z >> 11;
  z ^= (z << 7) & 0x9d2c5680u;
  z ^= (z << 15) & 0xefc60000u;
  z ^= z >> 18;
  return z;
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

void SetDrawsForTesting(DrawSource source) { g_forced = source; }

void SetClockForTesting(ClockReading counter, ClockReading ticks) {
  g_counter = counter;
  g_ticks = ticks;
}

void ResetForTesting() { Seed(5489u); }

}  // namespace RandomSource
