// The 25 game modes a channel can be put in, each named by a code, and the
// one lookup that turns what a player typed, or what the settings file
// holds, into a mode. Commands that behave differently by game mode compare
// these named codes, never text.
#ifndef MIRADO_CORE_GAME_MODE_H_
#define MIRADO_CORE_GAME_MODE_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace mirado {

// In the order of the game-mode table, which is the order of the search.
enum class GameMode : uint8_t {
  kNone,  // no game mode set
  kDoubleCross,
  kAlshard,
  kSevenFortress,
  kNightWizard,
  kIno,
  kArianrhod,
  kBeastBind,
  kTenka,
  kSwordWorld,
  kDragonHalf,
  kDarkBlaze,
  kMayokin,
  kPeekaboo,
  kShinobigami,
  kHuntersMoon,
  kBloodCrusade,
  kCardRanker,
  kNechronica,
  kBelfahle,
  kRabbitHole,
  kGundog,
  kBarna,
  kFiasco,
  kNinjaSlayer,
  kQuickStart,
};

struct GameModeEntry {
  GameMode mode;
  const char* name;  // code page 932
  const char* code;  // the stored code ("DX")
  // Wide whole-text patterns, searched in table order; an empty one never
  // matches.
  const char16_t* patterns[4];
};

extern const GameModeEntry kGameModeTable[];
extern const std::size_t kGameModeCount;

// The first mode in table order one of whose patterns takes the whole of
// `word` (case-insensitive, not folded); null when none does.
const GameModeEntry* FindGameMode(std::u16string_view word);
// The same for code page 932 text. The settings file holds the mode's code,
// which its own first pattern takes; a hand-written value is read the same
// way. Remembered per text, so reading a stored mode costs one search per
// distinct text in the process's life (the answer never differs).
const GameModeEntry* FindGameMode(std::string_view word);

}  // namespace mirado

#endif  // MIRADO_CORE_GAME_MODE_H_
