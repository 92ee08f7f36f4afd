// The TABLE and MAKE commands: finds the directory rows that accept the
// line's words and runs each of them.
#include <cstring>
#include <string>
#include <vector>

#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_directory.h"
#include "tables/tables.h"

namespace BotCommand {
namespace {

// The MAKE family is chosen by the command name, read the way the command
// table reads it: after any of the three prefix signs ("#", "＃", "♯") and in
// half width. So "#MAKE", "＃ＭＡＫＥ", "♯MK" and the one-letter "#M" all ask
// for a maker, as a player who typed them means; TABLE, T and TBL ask for a
// table.
Tables::Family FamilyOf(const char* command_word) {
  std::vector<std::string> groups;
  if (!mirado::FullMatch(command_word, "(#|\\x81\\x94|\\x81\\xF2)(.*)", false, &groups) || groups.size() != 3) {
    return Tables::kTableFamily;
  }
  char name[kLineSize];
  mirado::ToHalfWidth(groups[2].c_str(), name, sizeof name);
  return mirado::FullMatch(name, "M.*") ? Tables::kMakeFamily : Tables::kTableFamily;
}

}  // namespace

void CallTable::Execute() {
  // "-" stands for the game mode of the channel (or of the private
  // conversation); without one, no row answers.
  char system[kShortSize];
  mirado::CopyText(system, sizeof system, mirado::FullMatch(Params[0], "-") ? ModeCode() : Params[0]);
  // The words are matched in half width, so "ＳＷ ＲＥＱ" finds the same table
  // as "SW REQ"; the handlers still get the words as typed.
  char folded[4][kLineSize];
  mirado::ToHalfWidth(system, folded[0], sizeof folded[0]);
  folded[0][kShortSize - 1] = '\0';
  for (std::size_t i = 1; i < 4; ++i) mirado::ToHalfWidth(Params[i], folded[i], sizeof folded[i]);
  const Tables::Family family = FamilyOf(CommandWord != nullptr ? CommandWord : "");
  const std::vector<std::size_t> rows = Tables::FindRows(family, folded[0], folded[1], folded[2], folded[3]);
  for (const std::size_t row : rows) {
    RandomSource::Reseed();
    Tables::TableWords words;
    for (std::size_t i = 0; i < 3; ++i) {
      std::memset(words[i], 0, sizeof words[i]);
      mirado::CopyText(words[i], sizeof words[i], Params[i + 1]);
    }
    // Every matching row answers in turn and the last one's reply is sent;
    // the host's own text in the buffer stays.
    Reply.Clear();
    Tables::RunRow(*this, row, words);
  }
}

}  // namespace BotCommand
