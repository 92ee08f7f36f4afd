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

// ---- SNB --------------------------------------------------------------------
void SnbSecretArt(BotCommand::BotCommandAbstract& out, const TableWords& words);
void SnbFumble(BotCommand::BotCommandAbstract& out, const TableWords& words);
void SnbCharacter(BotCommand::BotCommandAbstract& out, const TableWords& words);

// ---- BCRUSADE and CRANKER ---------------------------------------------------

// ---- TENKA, NECHRO and BELF -------------------------------------------------

// ---- The DX base-character builder ------------------------------------------

// ---- The SW character maker and the DBZ dryad maker -------------------------

}  // namespace Tables

#endif  // MIRADO_TABLES_TABLE_HANDLERS_H_
