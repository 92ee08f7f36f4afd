// The Fiasco pool: for each player two black and two white six-sided dice,
// rolled at set-up and then taken out (and put back) by hand during play.
#include <algorithm>

#include "core/random_source.h"
#include "core/settings_store.h"
#include "core/sizes.h"
#include "core/text.h"
#include "pool/pool_dice_text.h"
#include "pool/pool_kinds.h"

namespace PoolCommand {
namespace {

constexpr int32_t kDefaultPlayers = 4;
constexpr int32_t kMinPlayers = 1;
constexpr int32_t kMaxPlayers = 10;
constexpr int32_t kDicePerPlayer = 2;

// The dice the arguments name, in the order given; others are ignored.
PoolDiceSet DiceOfArguments(const std::vector<std::u16string>& arguments) {
  PoolDiceSet dice;
  for (const auto& argument : arguments) ReadDie(argument, &dice);
  return dice;
}

// The stored pool. A text of the reader's full length that does not end in
// a space was cut inside a die (an entry made longer by hand): that piece is
// left out rather than read as another face.
PoolDiceSet ReadPool(const std::string& path, const std::string& key) {
  std::string text = SettingsStore::ReadString(path.c_str(), kPoolSection, key, "", BotCommand::kLineSize);
  if (text.size() >= kMaxPoolText && text.back() != ' ') {
    const std::size_t space = text.rfind(' ');
    text.resize(space == std::string::npos ? 0 : space);
  }
  return ParsePoolText(text);
}

}  // namespace

void Fiasco::Setup() {
  int32_t players = kDefaultPlayers;
  if (!Arguments.empty()) {
    const int32_t asked = mirado::ReadDecimal(mirado::ToNarrow(Arguments[0]));
    if (asked >= kMinPlayers && asked <= kMaxPlayers) players = asked;
  }
  PoolDiceSet dice;
  for (int32_t i = 0; i < kDicePerPlayer * players; ++i) {
    dice.black.push_back(RandomSource::RollSum(1, 6, false));
    dice.white.push_back(RandomSource::RollSum(1, 6, false));
  }
  const std::string text = PoolText(dice);
  if (!Store(kPoolSection, text.c_str()) || !Store(kPoolModeSection, "Fiasco")) return;
  OutputText.clear();
  std::string line;
  mirado::FormatToString(line, BotCommand::kLineSize, "%s のダイスプールを Fiasco（%d人用）にセットしました。",
                         Key.c_str(), players);
  AddLine(line);
  AddLine("黒：" + DiceDisplay(dice.black, "B"));
  AddLine("白：" + DiceDisplay(dice.white, "W"));
}

void Fiasco::Add() {
  PoolDiceSet added = DiceOfArguments(Arguments);
  if (added.size() == 0) return;
  PoolDiceSet pool = ReadPool(SettingsPath, Key);
  pool.black.insert(pool.black.end(), added.black.begin(), added.black.end());
  pool.white.insert(pool.white.end(), added.white.begin(), added.white.end());
  const std::string text = PoolText(pool);
  if (text.size() > kMaxPoolText) {
    // The pool is kept whole rather than cut when it is next read.
    AddLine("ダイスプールがいっぱいです。ダイスは追加されませんでした。");
    return;
  }
  if (!Store(kPoolSection, text.c_str())) return;
  const std::string black = added.black.empty() ? "" : " 黒" + DiceDisplay(added.black, "");
  const std::string white = added.white.empty() ? "" : " 白" + DiceDisplay(added.white, "");
  AddLine("ダイスプールに" + black + white + " を追加しました。");
  Show(false);
}

void Fiasco::Remove() {
  const PoolDiceSet asked = DiceOfArguments(Arguments);
  if (asked.size() == 0) return;
  PoolDiceSet pool = ReadPool(SettingsPath, Key);
  if (pool.size() == 0) return;
  int32_t removed = 0;
  const auto take = [&removed](const std::vector<int32_t>& faces, std::vector<int32_t>* held) {
    for (int32_t face : faces) {
      const auto it = std::find(held->begin(), held->end(), face);
      if (it == held->end()) continue;
      held->erase(it);
      ++removed;
    }
  };
  take(asked.black, &pool.black);
  take(asked.white, &pool.white);
  if (!Store(kPoolSection, PoolText(pool).c_str())) return;
  std::string line;
  mirado::FormatToString(line, BotCommand::kLineSize, "ダイスプールから %d個 取り除きました。（残り%d個）", removed,
                         static_cast<int32_t>(pool.size()));
  AddLine(line);
  Show(false);
}

}  // namespace PoolCommand
