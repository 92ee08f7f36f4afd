// The deck kinds: how many cards a deck holds, what each card is called, and
// how its draw line reads. A deck kind word (as stored in CardMode1) selects
// the first row of the kind table whose pattern it matches.
#ifndef MIRADO_CARDS_DECK_KINDS_H_
#define MIRADO_CARDS_DECK_KINDS_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "cards/card_names.h"

namespace Cards {

// The largest deck: the standard deck with both jokers.
constexpr int32_t kMaxDeckSize = 54;

// How a draw line sets the card after the drawer's name.
enum class LineShape {
  kSpaced,  // "name -> card （残り…）": a space before the count
  kPlain,   // "name -> card（残り…）"
  kTight,   // "name ->card（残り…）": the card names carry the space
};

struct DeckKind {
  // The deck's card names in card-number order; null for the standard deck,
  // whose cards are named by suit and rank and whose jokers the option sets.
  const NameList* names;
  // Dealt upright or reversed.
  bool oriented;
  LineShape shape;
};

struct DeckKindRow {
  const char* kind_pattern;
  // Also matched against the option when not empty (no row uses one yet).
  const char* option_pattern;
  const DeckKind* deck;
};

extern const DeckKindRow kDeckKindTable[];
extern const std::size_t kDeckKindTableSize;

// The deck of the first row whose kind pattern (and option pattern, when it
// has one) matches, or null. Matching is whole text and ignores case.
const DeckKind* FindDeckKind(const char* kind, const char* option);

// The number of cards: the list's length, or 52 plus the jokers the option
// asks for (a decimal number; below 0 counts as none, above 2 as two).
int32_t DeckSize(const DeckKind& deck, const char* option);
// The name of card `card` (0 to DeckSize - 1).
std::string CardName(const DeckKind& deck, int32_t card);

}  // namespace Cards

#endif  // MIRADO_CARDS_DECK_KINDS_H_
