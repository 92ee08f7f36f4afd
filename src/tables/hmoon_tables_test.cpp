// The tables of the HMOON system: encounter, body-part damage, the
// monobeast's action with its morale dice or ability, and the four kinds of
// location.
#include <string>
#include <utility>
#include <vector>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

// The start of a line that follows the arrow without a space.
std::string TightHead() { return "\r\nNOTICE #trpg :taro ->"; }

TEST(HmTables, EncounterAndDamageShowTheirDice) {
  const auto& first = Data::hm_encounter.Row(0);
  const auto& last = Data::hm_encounter.Row(5);
  EXPECT_EQ(Answer("#TABLE HM ET", Faces({{6, 0}})),
            TightHead() + "【遭遇表】[1] " + first.encounter + "  感情:" + first.emotion);
  EXPECT_EQ(Answer("#T HMOON ENCOUNTER", Faces({{6, 5}})),
            TightHead() + "【遭遇表】[6] " + last.encounter + "  感情:" + last.emotion);
  // 2D6: two ones show " 2", two sixes "12".
  EXPECT_EQ(Answer("#T HM DMG", Faces({{6, 0}, {6, 0}})),
            TightHead() + "【部位ダメージ】[ 2] " + Data::hm_damage.Row(0).text);
  EXPECT_EQ(Answer("#T HM DAMAGE", Faces({{6, 5}, {6, 5}})),
            TightHead() + "【部位ダメージ】[12] " + Data::hm_damage.Row(10).text);
  ExpectEveryRow("#T HM ET", Data::hm_encounter, 0);
  ExpectEveryRow("#T HM DMG", Data::hm_damage, 0);
}

// Every action row, with the dice its bonus calls for: morale dice of faces
// 1, 2, 3 ... in turn, or a D66 of 2 and 5 for the ability.
TEST(HmTables, ActionAddsMoraleDiceOrAnAbility) {
  for (int32_t face = 0; face < 6; ++face) {
    const auto& action = Data::hm_action.Row(face);
    std::vector<std::pair<uint32_t, uint32_t>> faces = {{6, static_cast<uint32_t>(face)}};
    std::string expected =
        TightHead() + "【行動表】[" + std::to_string(face + 1) + "] " + action.action + "／" + action.effect;
    if (action.bonus == 1) {
      std::string list;
      int sum = 0;
      for (int i = 0; i < action.dice; ++i) {
        faces.push_back({6, static_cast<uint32_t>(i % 6)});
        list += (i > 0 ? "," : "") + std::to_string(i % 6 + 1);
        sum += i % 6 + 1;
      }
      expected += Head() + "モラル: +" + std::to_string(action.dice) + "D6 = +[" + list + "] = +" + std::to_string(sum);
    } else if (action.bonus == 2) {
      faces.push_back({6, 1});
      faces.push_back({6, 4});
      expected += Head() + "異能アビリティ: [25] " + Data::hm_abilities.Row(1 * 6 + 4).name;
    }
    testing::Draws draws;
    for (const auto& [count, wanted] : faces) draws.first.push_back(wanted % count);
    EXPECT_EQ(Answer(face % 2 == 0 ? "#T HM ACT" : "#T HM MAT", draws), expected) << "face " << face + 1;
  }
  // The table has each kind of bonus, so each line above was checked.
  bool morale = false, ability = false, plain = false;
  for (int32_t row = 0; row < 6; ++row) {
    morale |= Data::hm_action.Row(row).bonus == 1;
    ability |= Data::hm_action.Row(row).bonus == 2;
    plain |= Data::hm_action.Row(row).bonus == 0;
  }
  EXPECT_TRUE(morale && ability && plain);
  ExpectEveryRow("#T HM ACTION", Data::hm_action, 0);
}

TEST(HmTables, LocationKindsByWordAndShortCode) {
  const struct {
    int kind;
    const char* name;
    std::vector<const char*> lines;
  } kinds[] = {
      {0,
       "都市",
       {"#T HM LOCATION 都市", "#T HM LT CITY", "#T HM LOCATE c", "#T HM LT CL", "#T HM CLT", "#T HM LT ＣＩＴＹ"}},
      {1, "閉所", {"#T HM LOCATION 閉所", "#T HM LT small", "#T HM LT S", "#T HM LT SLT", "#T HM SLT"}},
      {2, "炎熱", {"#T HM LOCATION 炎熱", "#T HM LT HEAT", "#T HM LT H", "#T HM LT HL", "#T HM hlt"}},
      {3, "冷暗", {"#T HM LOCATION 冷暗", "#T HM LT FREEZE", "#T HM LT F", "#T HM LT FLT", "#T HM FLT"}},
  };
  for (const auto& k : kinds) {
    // Every face on the first word, the first and last on the others.
    for (int face = 0; face < 6; ++face) {
      const auto& row = Data::hm_location.Row(k.kind, face);
      const std::string expected = TightHead() + "【ロケーション】" + k.name + "[" + std::to_string(face + 1) + "] " +
                                   row.place + "／" + row.event;
      const std::size_t words = face == 0 || face == 5 ? k.lines.size() : 1;
      for (std::size_t i = 0; i < words; ++i) {
        EXPECT_EQ(Answer(k.lines[i], Faces({{6, static_cast<uint32_t>(face)}})), expected) << k.lines[i];
      }
    }
  }
  // No kind word, or one that names none: no reply.
  for (const char* line : {"#T HM LOCATION", "#T HM LT", "#T HM LT XYZ", "#T HM LT LT", "#T HM LOCATE 都会"}) {
    EXPECT_EQ(Answer(line, 1), "") << line;
  }
}

}  // namespace
}  // namespace Tables
