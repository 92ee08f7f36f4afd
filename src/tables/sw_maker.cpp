// The SW character maker: the race that word 2 names (人間 without one), its
// eight ability dice, the starting money and the birth, in one answer. A
// handler because the race decides both the dice and how the birth is found.
#include <cstdio>
#include <string>
#include <string_view>

#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {
namespace {

// Rows of the race table that the birth treats apart: a human rolls on the
// human birth table; a half-elf rolls there too and also shows its own row,
// the upbringing among elves.
constexpr int32_t kHuman = 0;
constexpr int32_t kHalfElf = 4;
constexpr int32_t kAbilityDice = 8;
// The whole answer is kept within 1024 bytes (its terminator counted), the
// work text this maker writes into; a line that would pass it is left out,
// and every line after it too, so no money line stands without its birth.
constexpr std::size_t kAnswerBytes = 1023;
constexpr const char* kMoneyIndent = "　　　　　";
constexpr const char* kHalfElfMoneyIndent = "　　　　　　　　　　";

// A pattern that takes exactly `word`: ASCII letters and digits in either
// case, every other character as itself. A double-byte character is matched
// with case folding off, because its second byte may be a letter or a sign
// such as "[" (the second byte of "ー") that would otherwise be read as part
// of the pattern.
std::string LiteralPattern(std::string_view word) {
  std::string pattern;
  char hex[8];
  for (std::size_t i = 0; i < word.size(); ++i) {
    const auto byte = static_cast<unsigned char>(word[i]);
    if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) {
      pattern += static_cast<char>(byte);
    } else if (mirado::IsLeadByte(byte) && i + 1 < word.size()) {
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      pattern += "(?-i:";
      pattern += hex;
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(word[++i]));
      pattern += hex;
      pattern += ")";
    } else {
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      pattern += hex;
    }
  }
  return pattern;
}

// The race word 2 names, or -1. The races are tried in order, and each
// race's recognition words in order; a word matches as typed or in half
// width, so "ＥＬＦ" is an エルフ as "elf" is.
int32_t RaceOf(const char* word) {
  if (word[0] == '\0') return kHuman;
  char half[BotCommand::kLineSize];
  mirado::ToHalfWidth(word, half, sizeof half);
  for (int32_t race = 0; race < Data::sw_races.rows; ++race) {
    const auto& row = Data::sw_races.Row(race);
    for (const char* recognised : {row.word1, row.word2, row.word3, row.word4, row.word5, row.word6, row.word7}) {
      if (recognised[0] == '\0') break;
      const std::string pattern = LiteralPattern(recognised);
      if (mirado::FullMatch(word, pattern) || mirado::FullMatch(half, pattern)) return race;
    }
  }
  return -1;
}

// One ability die: that many D6 and the addend, or 1D3 and the addend for a
// count of 0 or less.
int32_t RollAbilityDie(const Data::sw_race_dice_row& rule) {
  if (rule.count > 0) return RandomSource::RollSum(rule.count, 6, false) + rule.addend;
  return RandomSource::Die(3) + rule.addend;
}

// The birth line and, unless the row gives none, its money line.
bool SayBirth(BotCommand::BotCommandAbstract& out, const char* label, const Data::sw_birth_row& birth,
              int32_t money_roll, const char* indent) {
  if (!out.Say("%s：%s", label, birth.text)) return false;
  if (birth.experience < 0 || birth.multiplier < 0) return true;
  return out.Say("%s所持金：%d　　初期経験点：%d", indent, money_roll * birth.multiplier, birth.experience);
}

}  // namespace

void SwCharacter(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  const int32_t race = RaceOf(words[0]);
  if (race < 0) return;
  // Dice A to H, then the money, then the birth roll of the races that roll it.
  int32_t dice[kAbilityDice];
  for (int32_t i = 0; i < kAbilityDice; ++i) dice[i] = RollAbilityDie(Data::sw_race_dice.Row(race, i));
  const int32_t money_roll = RandomSource::RollSum(2, 6, false);
  const bool rolls_birth = race == kHuman || race == kHalfElf;
  const TableRoll birth_roll = rolls_birth ? RollTable(Data::DiceKind::k2D6, 11) : TableRoll{};

  const auto [a, b, c, d, e, f, g, h] = dice;
  const int32_t dexterity = a + b, agility = b + c, intelligence = c + d;
  const int32_t strength = e + f, vitality = f + g, mind = g + h;
  out.Reply.SetOwnLimit(kAnswerBytes);
  const bool said = out.Say("【ＳＷキャラクターメイキング】 種族：%s", Data::sw_races.Row(race).name) &&
                    out.Say("器用度 = [%2d][%2d] = %2d(+%d)　　筋　力 = [%2d][%2d] = %2d(+%d)", a, b, dexterity,
                            dexterity / 6, e, f, strength, strength / 6) &&
                    out.Say("敏捷度 = [%2d][　] = %2d(+%d)　　生命力 = [%2d][　] = %2d(+%d)", c, agility, agility / 6,
                            g, vitality, vitality / 6) &&
                    out.Say("知　力 = [　][%2d] = %2d(+%d)　　精神力 = [　][%2d] = %2d(+%d)", d, intelligence,
                            intelligence / 6, h, mind, mind / 6);
  if (!said) return;
  const Data::sw_birth_row& own = Data::sw_birth.Row(race);
  if (race == kHuman) {
    SayBirth(out, "生まれ表", Data::sw_birth_human.Row(birth_roll.row), money_roll, kMoneyIndent);
  } else if (race == kHalfElf) {
    if (SayBirth(out, "生まれ表（ 人間 ）", Data::sw_birth_human.Row(birth_roll.row), money_roll,
                 kHalfElfMoneyIndent)) {
      SayBirth(out, "生まれ表（エルフ）", own, money_roll, kHalfElfMoneyIndent);
    }
  } else {
    SayBirth(out, "生まれ表", own, money_roll, kMoneyIndent);
  }
}

}  // namespace Tables
