// The table directory. A row is reached by the command family, the system
// word (a game-mode code such as SW, or the word typed in its place) and the
// table word after it.
#include "tables/table_directory.h"

#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {

namespace {

// System words of the game systems, as each system's rows accept them.
constexpr const char* kSf = "SF|SFAD|SFV3|SFM";
constexpr const char* kNw = "NW\\d?";
constexpr const char* kSw = "SW1?";
constexpr const char* kBbnt = "BBN?T?";
constexpr const char* kAls = "AL[SFG]\\d?";
constexpr const char* kHmoon = "HM(OON)?";
constexpr const char* kShinobi = "SNB|SH?INOBI";
constexpr const char* kBlood = "B(LOOD)?C(RUSADE)?";
constexpr const char* kCranker = "CR|C(ARD)?RANK(ER)?";
constexpr const char* kTenka = "TRR|TENKA";
constexpr const char* kNechro = "NC|NECHRO(NICA)?";
constexpr const char* kBelf = "BELF|BELL?(FAH?LE?)?";
constexpr const char* kRabbit = "RHD|RABB?IT(HOLE)?";

}  // namespace

const TableEntry kTableDirectory[] = {
    Table(kSf, "EX", SfExParameter, k1024),
    Table("SF|SFAD|SFV3|SFM|NW\\d?", "CHAR(ACTER)?", SfPersonality, k1024),
    Table(kNw, "LIFE(PATH)?", NwLifePath, k1024),
    Table(kNw, "REL(ATION)?|R", NwRelations, k1024),
    Table(kNw, "TITLE", NwEpithet, k1024),
    Table("DX\\d?", "FEEL|EMOTION", DxEmotion, k1024),
    Table("DX\\d?", "AWAKE|URGE", DxAwakening, k1024),
    Table("DX3?", "NAME", DxName, k1024),
    Table("INO2?", "NAME", InoName, k1024),
    Table("DH", "F|FUMBLE", Data::dh_fumble_table, k1024),
    Table("GD", "", GdTables, k1024),
    Table(kSw, "REQ|REQUIEM", Data::sw_requiem_table, k1024),
    Table(kSw, "TU|TURN|TURNUNDEAD", Data::sw_turn_undead_table, k1024),
    Table(kSw, "FEAR", Data::sw_fear_table, k1024),
    Table(kSw, "DEMON|JAR|DEMONJAR|DJ", Data::sw_demon_jar_table, k1024),
    Table("ARA?", "LIFE", AraLifePath, k1024),
    Table(kBbnt, "L(OVE?)?", Data::bbnt_origin_love_table, k1024),
    Table(kBbnt, "G(U?ILTY)?", Data::bbnt_origin_guilt_table, k1024),
    Table(kBbnt, "EGO|KIZUNA|KZN", Data::bbnt_bond_ego_table, k1024),
    Table(kAls, "LIFE", AlsCircumstances, k1024),
    Table(kAls, "SHARD", AlsShard, k1024),
    Table("DBZ?", "BAG", DbzLuckyBag, k1024),
    Table(kHmoon, "ENCOUNT|ENCOUNTER|ET", Data::hm_encounter_table, k1024),
    Table(kHmoon, "DMG|DAMAGE", Data::hm_damage_table, k1024),
    Table(kHmoon, "ACT|ACTION|MAT", HmAction, k1024),
    Table(kHmoon, "LOCATE|LOCATION|LT", Data::hm_location_table, k1024),
    ShortCode(kHmoon, "[CSHF]LT", "LOCATE", Data::hm_location_table, k1024),
    Table(kShinobi, "ES(OTERIC)?|SP(ECIAL)?", SnbSecretArt, k1024),
    Table(kShinobi, "ST|SCENE", Data::snb_scene_table, k1024),
    ShortCode(kShinobi, "[GCMDTENFKS]ST", "SCENE", Data::snb_scene_table, k1024),
    Table(kShinobi, "FT|F(UMBLE)?", SnbFumble, k1024),
    Table(kShinobi, "WT|BAD(STATUS)?|BS", Data::snb_bad_status_table, k1024),
    Table(kShinobi, "BT|B(ATTLE)?|FIELD|BF", Data::snb_battlefield_table, k1024),
    Table(kShinobi, "ET|FEEL|EMO(TION)?", Data::snb_emotion_table, k1024),
    Table(kShinobi, "FAIL(URE)?|MIS+", Data::snb_mission_failure_table, k1024),
    Table(kShinobi, "MIS+ION|NEW", Data::snb_new_mission_table, k1024),
    Table(kBlood, "HAPPY|HT", Data::bc_happiness_table, k1024),
    ShortCode(kBlood, "\\wHT", "HAPPY", Data::bc_happiness_table, k1024),
    Table(kBlood, "REL(ATION)?|RT", Data::bc_relation_table, k4096),
    Table(kBlood, "SCENE|ST", Data::bc_scene_table, k4096),
    ShortCode(kBlood, "\\wST", "SCENE", Data::bc_scene_table, k4096),
    Table(kBlood, "INIT?(IATIVE)?|INI?V|IST?", Data::bc_initiative_table, k4096),
    Table(kBlood, "B(ODY)?R?T?|(BODY)?REGION", Data::bc_body_region_table, k4096),
    Table(kBlood, "INS(ANITY)?|MAD|CRAZY", Data::bc_insanity_table, k4096),
    Table(kBlood, "MT|MUT(ANT)?", Data::bc_mutation_table, k4096),
    Table(kCranker, "RM|MONS?(T[EA]R)?", CrMonsterCard, k4096),
    Table(kCranker, "MAGI?C?|MT", Data::cr_magic_table, k4096),
    Table(kCranker, "LOCAT(E|ION)|SCENE|[LS]T", Data::cr_location_table, k4096),
    ShortCode(kCranker, "\\w[LS]T", "LOCATE", Data::cr_location_table, k4096),
    Table(kCranker, "FATE|DEST(INY)?|[FD]T", Data::cr_fate_table, k4096),
    ShortCode(kCranker, "\\w[FD]T", "FATE", Data::cr_fate_table, k4096),
    Table(kCranker, "BT|B(ATTLE)?|FIELD|BF", Data::cr_battlefield_table, k4096),
    Table(kTenka, kTenkaCatWords, TenkaCat, k4096),
    {kTableFamily, TenkaCat, kTenka, ".*", kTenkaCatWords, "", nullptr, k4096},
    Table(kTenka, "NAME", TenkaName, k4096),
    Table(kTenka, "LIFE", TenkaLifePath, k4096),
    Table(kTenka, "COVER", Data::tenka_cover_table, k4096),
    Table(kNechro, "LINGER|LA?T|MAD", Data::nc_linger_table, k4096),
    Table(kNechro, "MEM(ORY)?|M(EM)?T", Data::nc_memory_table, k4096),
    Table(kNechro, "ATTACK|ATK?T?", NcAttack, k4096),
    Table(kNechro, "TT|TREASURE|TAKARA(MONO)?", Data::nc_treasure_table, k4096),
    Table(kNechro, "H(INT)?T?|AN[JZ]I?", Data::nc_hint_table, k4096),
    Table(kBelf, "1ST|IMP(RESSION)?", BelfImpression, k4096),
    Table(kBelf, "HOBBY", Data::belf_hobby_table, k4096),
    Table(kBelf, "CHAR(ACTER)?", Data::belf_character_table, k4096),
    Table(kRabbit, "RABB?IT|USA(GI|PYON)?", Data::rhd_rabbit_table, k4096),
    Maker("MOE", "", HeroineMaker, k4096),
    Maker(kNw, "MOE", HeroineMaker, k4096),
    Maker(kSw, "", SwCharacter, k4096),
    Maker("DBZ?", "DRY(AD)?", DbzDryad, k4096),
    Maker("DX2", "", DxBaseCharacterDx2, k4096),
    Maker("DX3?", "", DxBaseCharacterDx3, k4096),
    Maker(kTenka, "", TenkaMaker, k4096),
    Maker(kHmoon, "", HmMaker, k4096),
    Maker(kShinobi, "", SnbCharacter, k4096),
    Maker(kCranker, "", CrCharacter, k4096),
    Maker(kBelf, "SA?MPLE?", BelfSample, k4096),
    Maker(kRabbit, "", Data::rhd_characters_table, k4096),
};
const std::size_t kTableDirectorySize = sizeof kTableDirectory / sizeof kTableDirectory[0];

std::vector<std::size_t> FindRows(Family family, const char* system, const char* word2, const char* word3,
                                  const char* word4) {
  std::vector<std::size_t> rows;
  for (std::size_t i = 0; i < kTableDirectorySize; ++i) {
    const TableEntry& row = kTableDirectory[i];
    if ((row.answer.handler == nullptr && row.answer.described == nullptr) || row.system == nullptr ||
        row.system[0] == '\0') {
      break;
    }
    if (row.family != family) continue;
    // A failing pattern counts as no match for the system word and as a
    // match for the table words, so an empty word pattern accepts anything.
    if (!mirado::FullMatch(system, row.system, false)) continue;
    if (!mirado::FullMatch(word2, row.word2, true)) continue;
    if (!mirado::FullMatch(word3, row.word3, true)) continue;
    if (!mirado::FullMatch(word4, row.word4, true)) continue;
    rows.push_back(i);
  }
  return rows;
}

void RunRow(BotCommand::BotCommandAbstract& out, std::size_t row, const TableWords& words) {
  if (row >= kTableDirectorySize) return;
  const TableEntry& entry = kTableDirectory[row];
  const TableWords* given = &words;
  TableWords shifted;
  if (entry.shifted != nullptr) {
    mirado::CopyText(shifted[0], sizeof shifted[0], entry.shifted);
    mirado::CopyText(shifted[1], sizeof shifted[1], words[0]);
    mirado::CopyText(shifted[2], sizeof shifted[2], words[1]);
    given = &shifted;
  }
  out.Reply.SetOwnLimit(static_cast<std::size_t>(entry.limit) - 1);
  if (entry.answer.described != nullptr) {
    ServeTable(out, *entry.answer.described, *given);
  } else {
    entry.answer.handler(out, *given);
  }
  out.Reply.SetOwnLimit(0);
}

}  // namespace Tables
