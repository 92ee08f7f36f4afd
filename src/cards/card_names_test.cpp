// The card name lists: counts, the samples their decks are known by, their
// shapes, and text that code page 932 holds without loss.
#include "cards/card_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cards/deck_kinds.h"
#include "core/text.h"

namespace Cards {
namespace {

// True when the name survives a round trip through UTF-16 and holds no
// replacement character (a literal the code page cannot hold).
bool CleanCp932(const std::string& name) {
  const std::u16string wide = mirado::ToWide(name);
  return mirado::ToNarrow(wide) == name && wide.find(u'\x30FB') == std::u16string::npos &&
         name.find('?') == std::string::npos;
}

TEST(CardNames, CountsAndSamples) {
  EXPECT_EQ(22u, kMajorArcanaNames.count);
  EXPECT_EQ(48u, kHanafudaNames.count);
  EXPECT_EQ(22u, kCstNames.count);
  EXPECT_EQ(26u, kNovaNames.count);
  EXPECT_EQ(22u, kBoaNames.count);
  EXPECT_STREQ("０.《愚者／The Fool》", kMajorArcanaNames.names[0]);
  EXPECT_STREQ("21.《世界／The World》", kMajorArcanaNames.names[21]);
  EXPECT_STREQ("松に鶴", kHanafudaNames.names[0]);
  EXPECT_STREQ("松に赤短(あかよろし)", kHanafudaNames.names[1]);
  EXPECT_STREQ("松のカス", kHanafudaNames.names[2]);
  EXPECT_STREQ("松のカス", kHanafudaNames.names[3]);
  EXPECT_STREQ("０.《愚者／ドジっ娘》", kCstNames.names[0]);
  EXPECT_STREQ("-18.アヤカシ《霧散／Disappear》", kNovaNames.names[0]);
  EXPECT_STREQ("－.ウェントス《神移／ワールウィンド》", kBoaNames.names[0]);
}

// The arcana are numbered as in the deck whose English names they carry
// (Rider-Waite-Smith: Strength VIII, Justice XI), and the CST deck gives each
// number the same arcana as the major deck.
TEST(CardNames, ArcanaNumberingAgreesWithTheirNames) {
  EXPECT_STREQ("８.《力／Strength》", kMajorArcanaNames.names[8]);
  EXPECT_STREQ("11.《正義／Justice》", kMajorArcanaNames.names[11]);
  for (std::size_t i = 0; i < kMajorArcanaNames.count; ++i) {
    const std::string major = kMajorArcanaNames.names[i], cst = kCstNames.names[i];
    const std::size_t cut = major.find("／");
    ASSERT_NE(std::string::npos, cut) << i;
    EXPECT_EQ(0u, cst.rfind(major.substr(0, cut + std::string("／").size()), 0)) << i;
  }
}

TEST(CardNames, StandardDeckNames) {
  const DeckKind* standard = FindDeckKind("std", "");
  ASSERT_NE(nullptr, standard);
  EXPECT_EQ(52, DeckSize(*standard, ""));
  EXPECT_EQ("スペードのＡ", CardName(*standard, 0));
  EXPECT_EQ("クラブの10", CardName(*standard, 22));
  EXPECT_EQ("ダイヤのＫ", CardName(*standard, 51));
  EXPECT_EQ("ジョーカー(黒)", CardName(*standard, 52));
  EXPECT_EQ("ジョーカー(赤)", CardName(*standard, 53));
}

// Numbered decks: the numbers run in order, each followed by a point, and
// the NOVA names from the unnumbered card on begin with one space.
TEST(CardNames, NumberedShapes) {
  const char* const full_width[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  auto number = [&](int n) { return n < 10 ? std::string(full_width[n]) : std::to_string(n); };
  for (int i = 0; i < 22; ++i) {
    const std::string prefix = number(i) + ".《";
    EXPECT_EQ(0u, std::string(kMajorArcanaNames.names[i]).rfind(prefix, 0)) << i;
    EXPECT_EQ(0u, std::string(kCstNames.names[i]).rfind(prefix, 0)) << i;
    if (i > 0) {
      EXPECT_EQ(0u, std::string(kBoaNames.names[i]).rfind(number(i) + ".", 0)) << i;
    }
  }
  const char* const nova_numbers[] = {"-18.", "-9.", "-7.", "-1.", " －."};
  for (int i = 0; i < 26; ++i) {
    const std::string expected = i < 5 ? nova_numbers[i] : " " + std::to_string(i - 4) + ".";
    EXPECT_EQ(0u, std::string(kNovaNames.names[i]).rfind(expected, 0)) << i;
  }
  // Months of the hanafuda deck, four cards each, plain cards last.
  const char* const months[] = {"松", "梅", "桜", "藤", "菖蒲", "牡丹", "萩", "芒", "菊", "紅葉", "柳", "桐"};
  for (int m = 0; m < 12; ++m) {
    bool plain = false;
    for (int k = 0; k < 4; ++k) {
      const std::string name = kHanafudaNames.names[m * 4 + k];
      EXPECT_EQ(0u, name.rfind(months[m], 0)) << name;
      const bool is_plain = name == std::string(months[m]) + "のカス";
      EXPECT_TRUE(is_plain || !plain) << name << " after a plain card";
      plain = plain || is_plain;
    }
  }
}

TEST(CardNames, NoRepeatsAndCleanText) {
  for (const NameList* list : {&kMajorArcanaNames, &kHanafudaNames, &kCstNames, &kNovaNames, &kBoaNames}) {
    std::set<std::string> seen;
    for (std::size_t i = 0; i < list->count; ++i) {
      const std::string name = list->names[i];
      EXPECT_TRUE(CleanCp932(name)) << i;
      EXPECT_FALSE(name.empty());
      // Only the hanafuda plain cards share a name.
      if (name.find("のカス") == std::string::npos) {
        EXPECT_TRUE(seen.insert(name).second) << name;
      }
    }
  }
}

TEST(CardNames, KindTable) {
  const struct {
    const char* word;
    int size;
  } kinds[] = {{"STD", 52},      {"standard", 52}, {"Playing", 52}, {"MAJOR", 22}, {"hana", 48},
               {"HANAFUDA", 48}, {"CST", 22},      {"Nova", 26},    {"boa", 22}};
  for (const auto& k : kinds) {
    const DeckKind* deck = FindDeckKind(k.word, "");
    ASSERT_NE(nullptr, deck) << k.word;
    EXPECT_EQ(k.size, DeckSize(*deck, "")) << k.word;
  }
  EXPECT_EQ(nullptr, FindDeckKind("MAJORS", ""));
  EXPECT_EQ(nullptr, FindDeckKind("", ""));
  EXPECT_TRUE(FindDeckKind("MAJOR", "")->oriented);
  EXPECT_TRUE(FindDeckKind("BOA", "")->oriented);
  EXPECT_FALSE(FindDeckKind("HANA", "")->oriented);
}

}  // namespace
}  // namespace Cards
