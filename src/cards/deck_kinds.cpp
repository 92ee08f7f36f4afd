#include "cards/deck_kinds.h"

#include "core/first_match.h"
#include "core/text.h"

namespace Cards {
namespace {

constexpr DeckKind kStandard{nullptr, false, LineShape::kSpaced};
constexpr DeckKind kMajorArcana{&kMajorArcanaNames, true, LineShape::kPlain};
constexpr DeckKind kHanafuda{&kHanafudaNames, false, LineShape::kPlain};
constexpr DeckKind kCst{&kCstNames, false, LineShape::kPlain};
constexpr DeckKind kNova{&kNovaNames, false, LineShape::kTight};
constexpr DeckKind kBoa{&kBoaNames, true, LineShape::kPlain};

constexpr int32_t kSuitCards = 13;
constexpr int32_t kPlainCards = 52;
constexpr int32_t kMaxJokers = 2;

}  // namespace

const DeckKindRow kDeckKindTable[] = {
    {"STD", "", &kStandard},      {"STANDARD", "", &kStandard}, {"PLAYING", "", &kStandard},
    {"MAJOR", "", &kMajorArcana}, {"HANA", "", &kHanafuda},     {"HANAFUDA", "", &kHanafuda},
    {"CST", "", &kCst},           {"NOVA", "", &kNova},         {"BOA", "", &kBoa},
};
const std::size_t kDeckKindTableSize = sizeof kDeckKindTable / sizeof kDeckKindTable[0];

const DeckKind* FindDeckKind(const char* kind, const char* option) {
  const DeckKindRow* row = mirado::FirstRowWhere(kDeckKindTable, [&](const DeckKindRow& r) {
    return r.deck != nullptr && mirado::FullMatch(kind, r.kind_pattern) &&
           (r.option_pattern[0] == '\0' || mirado::FullMatch(option, r.option_pattern));
  });
  return row != nullptr ? row->deck : nullptr;
}

int32_t DeckSize(const DeckKind& deck, const char* option) {
  if (deck.names != nullptr) return static_cast<int32_t>(deck.names->count);
  int32_t jokers = mirado::ReadDecimal(option);
  if (jokers < 0) jokers = 0;
  if (jokers > kMaxJokers) jokers = kMaxJokers;
  return kPlainCards + jokers;
}

std::string CardName(const DeckKind& deck, int32_t card) {
  if (deck.names != nullptr) return deck.names->names[card];
  std::string name;
  if (card < kPlainCards) {
    mirado::FormatToString(name, 64, "%sの%s", kSuits[card / kSuitCards], kRanks[card % kSuitCards]);
  } else {
    mirado::FormatToString(name, 64, "%s(%s)", kJokerWord, kJokerColours[card - kPlainCards]);
  }
  return name;
}

}  // namespace Cards
