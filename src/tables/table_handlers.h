// The handlers of the tables whose logic is more than a described table of
// the kit (table_kit.h) can say: one per directory row.
#ifndef MIRADO_TABLES_TABLE_HANDLERS_H_
#define MIRADO_TABLES_TABLE_HANDLERS_H_

#include "tables/table_directory.h"

namespace Tables {

// Each takes the command it answers for and words 2 to 4 of the line.
void SfExParameter(BotCommand::BotCommandAbstract& out, const TableWords& words);
void SfPersonality(BotCommand::BotCommandAbstract& out, const TableWords& words);
void NwLifePath(BotCommand::BotCommandAbstract& out, const TableWords& words);
void NwRelations(BotCommand::BotCommandAbstract& out, const TableWords& words);
void NwEpithet(BotCommand::BotCommandAbstract& out, const TableWords& words);
void DxEmotion(BotCommand::BotCommandAbstract& out, const TableWords& words);
void DxAwakening(BotCommand::BotCommandAbstract& out, const TableWords& words);
void DxName(BotCommand::BotCommandAbstract& out, const TableWords& words);
void InoName(BotCommand::BotCommandAbstract& out, const TableWords& words);
void GdTables(BotCommand::BotCommandAbstract& out, const TableWords& words);
void AraLifePath(BotCommand::BotCommandAbstract& out, const TableWords& words);
void AlsCircumstances(BotCommand::BotCommandAbstract& out, const TableWords& words);
void AlsShard(BotCommand::BotCommandAbstract& out, const TableWords& words);
void DbzLuckyBag(BotCommand::BotCommandAbstract& out, const TableWords& words);

// ---- HMOON and RHD; the heroine maker ---------------------------------------
void HmAction(BotCommand::BotCommandAbstract& out, const TableWords& words);
void HmMaker(BotCommand::BotCommandAbstract& out, const TableWords& words);
void HeroineMaker(BotCommand::BotCommandAbstract& out, const TableWords& words);

// ---- SNB --------------------------------------------------------------------
void SnbSecretArt(BotCommand::BotCommandAbstract& out, const TableWords& words);
void SnbFumble(BotCommand::BotCommandAbstract& out, const TableWords& words);
void SnbCharacter(BotCommand::BotCommandAbstract& out, const TableWords& words);

// ---- BCRUSADE and CRANKER ---------------------------------------------------
// The BCRUSADE tables are all described by their data files.
void CrMonsterCard(BotCommand::BotCommandAbstract& out, const TableWords& words);
void CrCharacter(BotCommand::BotCommandAbstract& out, const TableWords& words);

// ---- TENKA, NECHRO and BELF -------------------------------------------------
// The words that ask for the cat, as a table word and as the maker's word.
inline constexpr const char* kTenkaCatWords = "NE[CK]O|CATS?";
void TenkaCat(BotCommand::BotCommandAbstract& out, const TableWords& words);
void TenkaName(BotCommand::BotCommandAbstract& out, const TableWords& words);
void TenkaLifePath(BotCommand::BotCommandAbstract& out, const TableWords& words);
void TenkaMaker(BotCommand::BotCommandAbstract& out, const TableWords& words);
void NcAttack(BotCommand::BotCommandAbstract& out, const TableWords& words);
void BelfImpression(BotCommand::BotCommandAbstract& out, const TableWords& words);
void BelfSample(BotCommand::BotCommandAbstract& out, const TableWords& words);

// ---- The DX base-character builder ------------------------------------------

// Two syndromes and at most one works, named by words 2 to 4: the third
// edition's works (MAKE DX, MAKE DX3) or the second edition's (MAKE DX2).
void DxBaseCharacterDx3(BotCommand::BotCommandAbstract& out, const TableWords& words);
void DxBaseCharacterDx2(BotCommand::BotCommandAbstract& out, const TableWords& words);

// ---- The SW character maker and the DBZ dryad maker -------------------------
void SwCharacter(BotCommand::BotCommandAbstract& out, const TableWords& words);
void DbzDryad(BotCommand::BotCommandAbstract& out, const TableWords& words);

}  // namespace Tables

#endif  // MIRADO_TABLES_TABLE_HANDLERS_H_
