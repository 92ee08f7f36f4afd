// The TENKA character maker: a name, a cover and a life path, made by the
// system's own three tables in that order, each adding its lines to the one
// reply; word 2 is the name table's gender word. The cat words get the cat.
#include <cstring>

#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {

void TenkaMaker(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  // Read in half width, as the directory reads the words, so "ＮＥＫＯ"
  // finds the cat as "NEKO" does.
  char word[BotCommand::kLineSize];
  mirado::ToHalfWidth(words[0], word, sizeof word);
  if (mirado::FullMatch(word, kTenkaCatWords)) {
    TenkaCat(out, words);
    return;
  }
  // The name table reads its gender from word 3.
  TableWords name_words;
  std::memset(name_words, 0, sizeof name_words);
  mirado::CopyText(name_words[1], sizeof name_words[1], words[0]);
  TenkaName(out, name_words);
  ServeTable(out, Data::tenka_cover_table, words);
  TenkaLifePath(out, words);
}

}  // namespace Tables
