#include "cards/deck_deal.h"

#include "cards/deck_clock.h"
#include "core/random_source.h"

namespace Cards {
namespace {

constexpr int64_t kSeedMin = -2147483648LL;  // "%d" of a seed
constexpr int64_t kSeedMax = 4294967295LL;   // the same seed written unsigned
constexpr std::size_t kMaxDigits = 12;

}  // namespace

bool ParseStoredInteger(const std::string& text, int64_t* value) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
  if (i == text.size() || text.size() - i > kMaxDigits) return false;
  int64_t result = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    result = result * 10 + (text[i] - '0');
  }
  *value = negative ? -result : result;
  return true;
}

Deal DealCard(const DeckKind& deck, const char* option, const std::string& seed_text, const std::string& count_text) {
  Deal deal;
  deal.size = DeckSize(deck, option);

  int64_t seed = 0;
  int64_t count = 0;
  const bool seed_read = ParseStoredInteger(seed_text, &seed) && seed >= kSeedMin && seed <= kSeedMax;
  const bool count_read = count_text.empty() || (ParseStoredInteger(count_text, &count) && count >= 0);
  if (seed_text.empty() && count_read && count == 0) {
    // A deck set up by hand without a seed: it gets one now and keeps it, so
    // its order stays the same from draw to draw.
    deal.new_seed = true;
    seed = SeedFromClock();
  } else if (!seed_read || !count_read) {
    deal.restart = Restart::kUnreadable;
  } else if (count >= deal.size) {
    deal.restart = Restart::kExhausted;
  }
  if (deal.restart != Restart::kNone) {
    deal.new_seed = true;
    seed = SeedFromClock();
    count = 0;
  }

  // The order is never stored: the same seed rebuilds the same order.
  int32_t order[kMaxDeckSize];
  for (int32_t i = 0; i < deal.size; ++i) order[i] = i;
  RandomSource::Seed(static_cast<uint32_t>(seed));
  RandomSource::Shuffle(order, deal.size);
  deal.card = CardName(deck, order[count]);
  if (deck.oriented) {
    // Fresh randomness, so the orientation is not part of the stored order.
    RandomSource::Reseed();
    deal.orientation = RandomSource::Next32() % 2 == 0 ? "正位置" : "逆位置";
  }

  deal.count = static_cast<int32_t>(count) + 1;
  deal.left = deal.size - deal.count;
  if (deal.count >= deal.size) {
    deal.exhausted = true;
    deal.new_seed = true;
    seed = SeedFromClock();
    deal.count = 0;
  }
  deal.seed = static_cast<int32_t>(seed);
  return deal;
}

}  // namespace Cards
