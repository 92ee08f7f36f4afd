// The names of the cards of every deck kind, as game data apart from the code
// that deals them. Each list holds its deck's cards in card-number order.
// Names are plain text (never format strings); code page 932 at run time.
#ifndef MIRADO_CARDS_CARD_NAMES_H_
#define MIRADO_CARDS_CARD_NAMES_H_

#include <cstddef>

namespace Cards {

struct NameList {
  const char* const* names;
  std::size_t count;
};

// The standard deck is named by suit and rank rather than listed.
extern const char* const kSuits[4];
extern const char* const kRanks[13];
extern const char* const kJokerWord;
extern const char* const kJokerColours[2];

// 22 major arcana, 0 to 21.
extern const NameList kMajorArcanaNames;
// 48 hanafuda cards, four per month from pine to paulownia.
extern const NameList kHanafudaNames;
// 22 CST cards: the arcana with a character type for each.
extern const NameList kCstNames;
// 26 NOVA cards: -18, -9, -7, -1, the unnumbered card, then 1 to 21.
extern const NameList kNovaNames;
// 22 BOA cards: the unnumbered card, then 1 to 21.
extern const NameList kBoaNames;

}  // namespace Cards

#endif  // MIRADO_CARDS_CARD_NAMES_H_
