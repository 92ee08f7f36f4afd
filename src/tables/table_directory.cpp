// The table directory. A row is reached by the command family, the system
// word (a game-mode code such as SW, or the word typed in its place) and the
// table word after it; rows of later tables that are not built yet answer
// nothing.
#include "tables/table_directory.h"

#include "core/text.h"
#include "tables/table_handlers.h"

namespace Tables {

void NoTable(BotCommand::BotCommandAbstract&, const TableWords&) {}

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
    {kTableFamily, SfExParameter, kSf, "EX", "", ""},
    {kTableFamily, SfPersonality, "SF|SFAD|SFV3|SFM|NW\\d?", "CHAR(ACTER)?", "", ""},
    {kTableFamily, NwLifePath, kNw, "LIFE(PATH)?", "", ""},
    {kTableFamily, NwRelations, kNw, "REL(ATION)?|R", "", ""},
    {kTableFamily, NwEpithet, kNw, "TITLE", "", ""},
    {kTableFamily, DxEmotion, "DX\\d?", "FEEL|EMOTION", "", ""},
    {kTableFamily, DxAwakening, "DX\\d?", "AWAKE|URGE", "", ""},
    {kTableFamily, DxName, "DX3?", "NAME", "", ""},
    {kTableFamily, InoName, "INO2?", "NAME", "", ""},
    {kTableFamily, DhFumble, "DH", "F|FUMBLE", "", ""},
    {kTableFamily, GdTables, "GD", "", "", ""},
    {kTableFamily, SwRequiem, kSw, "REQ|REQUIEM", "", ""},
    {kTableFamily, SwTurnUndead, kSw, "TU|TURN|TURNUNDEAD", "", ""},
    {kTableFamily, SwFear, kSw, "FEAR", "", ""},
    {kTableFamily, SwDemonJar, kSw, "DEMON|JAR|DEMONJAR|DJ", "", ""},
    {kTableFamily, AraLifePath, "ARA?", "LIFE", "", ""},
    {kTableFamily, BbntOriginLove, kBbnt, "L(OVE?)?", "", ""},
    {kTableFamily, BbntOriginGuilt, kBbnt, "G(U?ILTY)?", "", ""},
    {kTableFamily, BbntBondEgo, kBbnt, "EGO|KIZUNA|KZN", "", ""},
    {kTableFamily, AlsCircumstances, kAls, "LIFE", "", ""},
    {kTableFamily, AlsShard, kAls, "SHARD", "", ""},
    {kTableFamily, DbzLuckyBag, "DBZ?", "BAG", "", ""},
    {kTableFamily, NoTable, kHmoon, "ENCOUNT|ENCOUNTER|ET", "", ""},
    {kTableFamily, NoTable, kHmoon, "DMG|DAMAGE", "", ""},
    {kTableFamily, NoTable, kHmoon, "ACT|ACTION|MAT", "", ""},
    {kTableFamily, NoTable, kHmoon, "LOCATE|LOCATION|LT", "", ""},
    {kTableFamily, NoTable, kHmoon, "[CSHF]LT", "", ""},
    {kTableFamily, NoTable, kShinobi, "ES(OTERIC)?|SP(ECIAL)?", "", ""},
    {kTableFamily, NoTable, kShinobi, "ST|SCENE", "", ""},
    {kTableFamily, NoTable, kShinobi, "[GCMDTENFKS]ST", "", ""},
    {kTableFamily, NoTable, kShinobi, "FT|F(UMBLE)?", "", ""},
    {kTableFamily, NoTable, kShinobi, "WT|BAD(STATUS)?|BS", "", ""},
    {kTableFamily, NoTable, kShinobi, "BT|B(ATTLE)?|FIELD|BF", "", ""},
    {kTableFamily, NoTable, kShinobi, "ET|FEEL|EMO(TION)?", "", ""},
    {kTableFamily, NoTable, kShinobi, "FAIL(URE)?|MIS+", "", ""},
    {kTableFamily, NoTable, kShinobi, "MIS+ION|NEW", "", ""},
    {kTableFamily, NoTable, kBlood, "HAPPY|HT", "", ""},
    {kTableFamily, NoTable, kBlood, "\\wHT", "", ""},
    {kTableFamily, NoTable, kBlood, "REL(ATION)?|RT", "", ""},
    {kTableFamily, NoTable, kBlood, "SCENE|ST", "", ""},
    {kTableFamily, NoTable, kBlood, "\\wST", "", ""},
    {kTableFamily, NoTable, kBlood, "INIT?(IATIVE)?|INI?V|IST?", "", ""},
    {kTableFamily, NoTable, kBlood, "B(ODY)?R?T?|(BODY)?REGION", "", ""},
    {kTableFamily, NoTable, kBlood, "INS(ANITY)?|MAD|CRAZY", "", ""},
    {kTableFamily, NoTable, kBlood, "MT|MUT(ANT)?", "", ""},
    {kTableFamily, NoTable, kCranker, "RM|MONS?(T[EA]R)?", "", ""},
    {kTableFamily, NoTable, kCranker, "MAGI?C?|MT", "", ""},
    {kTableFamily, NoTable, kCranker, "LOCAT(E|ION)|SCENE|[LS]T", "", ""},
    {kTableFamily, NoTable, kCranker, "\\w[LS]T", "", ""},
    {kTableFamily, NoTable, kCranker, "FATE|DEST(INY)?|[FD]T", "", ""},
    {kTableFamily, NoTable, kCranker, "\\w[FD]T", "", ""},
    {kTableFamily, NoTable, kCranker, "BT|B(ATTLE)?|FIELD|BF", "", ""},
    {kTableFamily, NoTable, kTenka, "NE[CK]O|CATS?", "", ""},
    {kTableFamily, NoTable, kTenka, ".*", "NE[CK]O|CATS?", ""},
    {kTableFamily, NoTable, kTenka, "NAME", "", ""},
    {kTableFamily, NoTable, kTenka, "LIFE", "", ""},
    {kTableFamily, NoTable, kTenka, "COVER", "", ""},
    {kTableFamily, NoTable, kNechro, "LINGER|LA?T|MAD", "", ""},
    {kTableFamily, NoTable, kNechro, "MEM(ORY)?|M(EM)?T", "", ""},
    {kTableFamily, NoTable, kNechro, "ATTACK|ATK?T?", "", ""},
    {kTableFamily, NoTable, kNechro, "TT|TREASURE|TAKARA(MONO)?", "", ""},
    {kTableFamily, NoTable, kNechro, "H(INT)?T?|AN[JZ]I?", "", ""},
    {kTableFamily, NoTable, kBelf, "1ST|IMP(RESSION)?", "", ""},
    {kTableFamily, NoTable, kBelf, "HOBBY", "", ""},
    {kTableFamily, NoTable, kBelf, "CHAR(ACTER)?", "", ""},
    {kTableFamily, NoTable, kRabbit, "RABB?IT|USA(GI|PYON)?", "", ""},
    {kMakeFamily, NoTable, "MOE", "", "", ""},
    {kMakeFamily, NoTable, kNw, "MOE", "", ""},
    {kMakeFamily, NoTable, kSw, "", "", ""},
    {kMakeFamily, NoTable, "DBZ?", "DRY(AD)?", "", ""},
    {kMakeFamily, NoTable, "DX2", "", "", ""},
    {kMakeFamily, NoTable, "DX3?", "", "", ""},
    {kMakeFamily, NoTable, kTenka, "", "", ""},
    {kMakeFamily, NoTable, kHmoon, "", "", ""},
    {kMakeFamily, NoTable, kShinobi, "", "", ""},
    {kMakeFamily, NoTable, kCranker, "", "", ""},
    {kMakeFamily, NoTable, kBelf, "SA?MPLE?", "", ""},
    {kMakeFamily, NoTable, kRabbit, "", "", ""},
};
const std::size_t kTableDirectorySize = sizeof kTableDirectory / sizeof kTableDirectory[0];

std::vector<std::size_t> FindRows(Family family, const char* system, const char* word2, const char* word3,
                                  const char* word4) {
  std::vector<std::size_t> rows;
  for (std::size_t i = 0; i < kTableDirectorySize; ++i) {
    const TableEntry& row = kTableDirectory[i];
    if (row.handler == nullptr || row.system == nullptr || row.system[0] == '\0') break;
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

}  // namespace Tables
