// The character maker of the SNB system: a shinobi (or, when a word asks for
// one, an ordinary person caught up in the shinobi's world) with a name and
// its reading, a school with its specialty and nemesis, a belief and a
// public face, from the present-day data or, when a word asks for it, the
// Sengoku data.
//
// The draws, always in this order (a seed gives the same character):
//  1. the gender: one draw, odd for male (a gender word overrides it);
//  2. the school: one draw modulo 6 (a school word overrides it);
//  3. the family name: 1D6 for its category, then, when the category has a
//     list, an ordered D66 in it;
//  4. the given name: an ordered D66 for its head in the list of the gender;
//     one draw modulo 2 when the head has a second spelling (1 takes it);
//     1D6 in the head's list of following characters when it has one;
//  5. a shinobi's nemesis: one draw modulo 5 over the other five schools in
//     their order; an ordinary person's way instead: an ordered D66;
//  6. the belief: an ordered D66;
//  7. the public face: an ordered D66.
// Words 2 to 4 are read after the first two draws and draw nothing.
#include <string>

#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"
#include "tables/tables.h"

namespace Tables {
namespace {

using RandomSource::Draw;

// Words asking for an ordinary person instead of a shinobi.
constexpr const char16_t* kOrdinaryWords = u"一般人?|市民|NOR(MAL)?|COM(MON)?|POP(ULAR)?|CIT(IZEN)?";

// School words, read as typed (converted to UTF-16), first hit, in the order
// of the schools in snb_schools, whose names the reply shows.
constexpr KindRow kSchoolWords[] = {
    {u"ハグレ(モノ)?|HAG(URE)?", ""},              // ハグレモノ
    {u"鞍馬(神流)?|KUR(AMA)?", ""},                // 鞍馬神流
    {u"比良坂(機関)?|HIR(ASAKA)?", ""},            // 比良坂機関
    {u"(私立)?御[斎伽](学[園校])?|OTO(GI)?", ""},  // 私立御斎学園
    {u"斜歯(忍軍)?|HAS(UBA)?", ""},                // 斜歯忍軍
    {u"(鬼|隠忍)の?(血統)?|ONI", ""},              // 隠忍の血統
};
constexpr KindSelector kSchoolSelector{kSchoolWords, KindFolding::kWide, false, KindFallback::kNoReply};

// What the words ask for, over the drawn gender and school.
struct Request {
  bool male = false;
  int32_t school = 0;
  bool ordinary = false;
  bool sengoku = false;
};

// A word asks for the Sengoku data exactly when the bad-status table would
// read its Sengoku table for it (the same words, one pattern for both).
bool AsksForSengoku(const char* word) { return Data::snb_bad_status_table.kinds->Select(word) == 1; }

Request ReadRequest(const TableWords& words) {
  Request request;
  request.male = Draw(2) == 1;
  request.school = Draw(Data::snb_schools.rows);
  for (const char* word : {words[0], words[1], words[2]}) {
    if (word[0] == '\0') continue;
    const std::u16string wide = mirado::ToWide(word);
    bool male = request.male;
    if (ParseGender(&male, wide, false)) {
      request.male = male;
    } else if (mirado::FullMatchWide(wide, kOrdinaryWords)) {
      request.ordinary = true;
    } else if (const int32_t school = kSchoolSelector.Select(word); school >= 0) {
      request.school = school;
    } else if (AsksForSengoku(word)) {
      request.sengoku = true;  // once asked for, kept
    }
  }
  return request;
}

struct NamePart {
  std::string name;
  std::string reading;
};

NamePart FamilyName(bool sengoku) {
  const auto& category = Data::snb_family_faces.Row(RollTable(Data::DiceKind::k1D6, 6).row);
  const int32_t list = sengoku ? category.sengoku : category.modern;
  if (list < 0) return {};
  const auto& family = Data::snb_family_names.Row(list, RollTable(Data::DiceKind::kOrderedD66, 21).row);
  return {family.name, family.reading};
}

NamePart GivenName(bool sengoku, bool male) {
  const auto& heads = sengoku ? Data::snb_given_sengoku : Data::snb_given_modern;
  const auto& tails = sengoku ? Data::snb_tails_sengoku : Data::snb_tails_modern;
  const auto& head = heads.Row(male ? 0 : 1, RollTable(Data::DiceKind::kOrderedD66, 21).row);
  NamePart given{head.name, head.reading};
  if (head.alt[0] != '\0' && Draw(2) == 1) given.name = head.alt;
  if (head.tail >= 0) {
    const auto& tail = tails.Row(head.tail, RollTable(Data::DiceKind::k1D6, 6).row);
    given.name += tail.name;
    given.reading += tail.reading;
  }
  return given;
}

// The whole name and its reading; a dash stands for the reading of a part
// that has none (a family name the category does not give).
std::string NameWithReading(const NamePart& family, const NamePart& given) {
  const std::string name = family.name + given.name;
  const bool family_read = !family.reading.empty(), given_read = !given.reading.empty();
  std::string text;
  if (family_read && given_read) {
    mirado::FormatToString(text, BotCommand::kLineSize, "%s(%s %s)", name.c_str(), family.reading.c_str(),
                           given.reading.c_str());
  } else if (given_read) {
    mirado::FormatToString(text, BotCommand::kLineSize, "%s(－ %s)", name.c_str(), given.reading.c_str());
  } else if (family_read) {
    mirado::FormatToString(text, BotCommand::kLineSize, "%s(%s －)", name.c_str(), family.reading.c_str());
  } else {
    mirado::FormatToString(text, BotCommand::kLineSize, "%s(%s%s)", name.c_str(), "", "");
  }
  return text;
}

// The public faces: one list for the present day, and one for each gender
// in the Sengoku era.
int32_t PublicFaceList(const Request& request) {
  if (!request.sengoku) return 0;
  return request.male ? 1 : 2;
}

}  // namespace

void SnbCharacter(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  const Request request = ReadRequest(words);
  const NamePart family = FamilyName(request.sengoku);
  const NamePart given = GivenName(request.sengoku, request.male);
  const int32_t era = request.sengoku ? 1 : 0;
  // The name is drawn for both; an ordinary person's answer is the two lines
  // of their way and belief, as the game's ordinary-person sheet has them.
  if (request.ordinary) {
    const char* way = Data::snb_ordinary_ways.Row(era, RollTable(Data::DiceKind::kOrderedD66, 21).row).text;
    if (!out.Say("流儀：%s（一般人）", way)) return;
  } else {
    if (!out.Say("名前：%s ／ 性別：%s", NameWithReading(family, given).c_str(), request.male ? "男" : "女")) return;
    const auto& school = Data::snb_schools.Row(request.school);
    const int32_t other = Draw(Data::snb_schools.rows - 1);
    const auto& nemesis = Data::snb_schools.Row(other < request.school ? other : other + 1);
    std::string line;
    mirado::FormatToString(line, BotCommand::kLineSize, "%s (得意:%s／仇敵:%s)", school.name, school.specialty,
                           nemesis.name);
    if (!out.Say("流派：%s", line.c_str())) return;
  }
  const char* belief = Data::snb_beliefs.Row(RollTable(Data::DiceKind::kOrderedD66, 21).row).text;
  const char* face =
      Data::snb_public_faces.Row(PublicFaceList(request), RollTable(Data::DiceKind::kOrderedD66, 21).row).text;
  out.Say("信念：%s ／ 表の顔：%s", belief, face);
}

}  // namespace Tables
