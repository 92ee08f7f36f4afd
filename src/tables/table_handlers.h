// The handlers of the random tables, one per directory row.
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
void DhFumble(BotCommand::BotCommandAbstract& out, const TableWords& words);
void GdTables(BotCommand::BotCommandAbstract& out, const TableWords& words);
void SwRequiem(BotCommand::BotCommandAbstract& out, const TableWords& words);
void SwTurnUndead(BotCommand::BotCommandAbstract& out, const TableWords& words);
void SwFear(BotCommand::BotCommandAbstract& out, const TableWords& words);
void SwDemonJar(BotCommand::BotCommandAbstract& out, const TableWords& words);
void AraLifePath(BotCommand::BotCommandAbstract& out, const TableWords& words);
void BbntOriginLove(BotCommand::BotCommandAbstract& out, const TableWords& words);
void BbntOriginGuilt(BotCommand::BotCommandAbstract& out, const TableWords& words);
void BbntBondEgo(BotCommand::BotCommandAbstract& out, const TableWords& words);
void AlsCircumstances(BotCommand::BotCommandAbstract& out, const TableWords& words);
void AlsShard(BotCommand::BotCommandAbstract& out, const TableWords& words);
void DbzLuckyBag(BotCommand::BotCommandAbstract& out, const TableWords& words);

}  // namespace Tables

#endif  // MIRADO_TABLES_TABLE_HANDLERS_H_
