// One draw from a deck: the deck's order rebuilt from its stored seed, the
// card at the stored count dealt, and the record the deck keeps afterwards.
// Pure apart from the shared random source and the deck clock; the command
// writes the lines and the record.
#ifndef MIRADO_CARDS_DECK_DEAL_H_
#define MIRADO_CARDS_DECK_DEAL_H_

#include <cstdint>
#include <string>

#include "cards/deck_kinds.h"

namespace Cards {

// Why a deck started over before the card was dealt.
enum class Restart {
  kNone,
  kExhausted,   // the stored count is past the deck's last card
  kUnreadable,  // the stored seed or count is not a number the deck wrote
};

struct Deal {
  std::string card;              // the card's name
  const char* orientation = "";  // "正位置", "逆位置", or empty
  int32_t size = 0;              // cards in the deck
  int32_t left = 0;              // cards left after this one
  Restart restart = Restart::kNone;
  bool exhausted = false;  // this was the last card; a new order is stored
  // The record to store: the count always, the seed when `new_seed`.
  int32_t count = 0;
  bool new_seed = false;
  int32_t seed = 0;
};

// Deals one card from `deck` given the stored texts of its seed and count
// (empty when absent). A deck whose seed is absent while no card has been
// dealt takes a seed now and keeps it; a record that cannot be read, or that
// counts past the last card, starts over from a new seed, and the card then
// comes from the new order, so no card is dealt twice in one pass.
Deal DealCard(const DeckKind& deck, const char* option, const std::string& seed_text, const std::string& count_text);

// Reads a whole stored decimal integer (optional sign, up to 12 digits, the
// whole text); false for anything else.
bool ParseStoredInteger(const std::string& text, int64_t* value);

}  // namespace Cards

#endif  // MIRADO_CARDS_DECK_DEAL_H_
