// The SW character maker: the race that word 2 names (人間 without one), its
// eight ability dice, the starting money and the birth, in one answer. A
// handler because the race decides both the dice and how the birth is found.
#include <string>
#include <string_view>

#include "core/first_match.h"
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

// A letter in lower case; any other byte as it is (the host's locale is not
// asked, so a byte above 0x7F is never changed).
unsigned char AsciiLower(unsigned char byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

// Whether `typed` is the recognition word `word`: ASCII letters in either
// case, every other character as itself. A double-byte character is compared
// whole, since its second byte may be a letter ("ト" is 83 67, "エ" 83 47)
// that must not be taken in the other case.
bool IsWord(std::string_view typed, std::string_view word) {
  if (typed.size() != word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const auto byte = static_cast<unsigned char>(word[i]);
    if (mirado::IsLeadByte(byte) && i + 1 < word.size()) {
      if (typed.compare(i, 2, word.substr(i, 2)) != 0) return false;
      ++i;
    } else if (AsciiLower(static_cast<unsigned char>(typed[i])) != AsciiLower(byte)) {
      return false;
    }
  }
  return true;
}

// The race word 2 names, or -1. The races are tried in order, and each
// race's recognition words in order; a word matches as typed or in half
// width, so "ＥＬＦ" is an エルフ as "elf" is.
int32_t RaceOf(const char* word) {
  if (word[0] == '\0') return kHuman;
  char half[BotCommand::kLineSize];
  mirado::ToHalfWidth(word, half, sizeof half);
  const auto* race = mirado::FirstRowWhere(Data::sw_races.AllRows(), [&](const Data::sw_races_row& row) {
    for (const char* recognised : {row.word1, row.word2, row.word3, row.word4, row.word5, row.word6, row.word7}) {
      if (recognised[0] == '\0') break;
      if (IsWord(word, recognised) || IsWord(half, recognised)) return true;
    }
    return false;
  });
  return race != nullptr ? static_cast<int32_t>(race - Data::sw_races.AllRows().data()) : -1;
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
