// The 25 game modes a channel can be put in: display name, stored code and up
// to four wide patterns, searched in order (an empty pattern never matches).
#ifndef MIRADO_CORE_GAME_MODE_TABLE_H_
#define MIRADO_CORE_GAME_MODE_TABLE_H_

#include <cstddef>

namespace SettingsStore {

struct GameModeEntry {
  const char* name;  // code page 932
  const char* code;
  const char16_t* patterns[4];
};

extern const GameModeEntry kGameModeTable[];
extern const std::size_t kGameModeCount;

}  // namespace SettingsStore

#endif  // MIRADO_CORE_GAME_MODE_TABLE_H_
