// "#SCENE_IN": a character enters a scene. In Double Cross its erosion rate
// rises by one ten-sided die; in Alshard its scene count rises by one. Both
// are the character's counter in this channel. Other game modes get no answer.
#include <string>

#include "core/first_match.h"
#include "core/random_source.h"
#include "core/settings_store.h"
#include "core/text.h"
#include "state/counter_store.h"
#include "state/state.h"

namespace BotCommand {
namespace {

// One game mode's way of entering a scene.
struct SceneRule {
  mirado::GameMode mode;
  void (*enter)(BotCommandAbstract& command, const char* name);
};

void RaiseErosion(BotCommandAbstract& command, const char* name) {
  RandomSource::Reseed();
  const int32_t rise = static_cast<int32_t>(RandomSource::Next32() % 10) + 1;
  CounterStore::RaiseCounter(command, command.ReplyTarget, command.NickKey, rise, command.ReplyTarget, name,
                             [&](int32_t old_value, int32_t new_value) {
                               std::string text;
                               mirado::FormatToString(text, kLineSize, "侵蝕率が[%d]上昇しました（%d%%%%→%d%%%%）",
                                                      rise, old_value, new_value);
                               return text;
                             });
}

// The count is told to the speaker alone, under the channel's name.
void CountScene(BotCommandAbstract& command, const char* name) {
  CounterStore::RaiseCounter(command, command.ReplyTarget, command.NickKey, 1, command.Nick, command.ReplyTarget,
                             [&](int32_t, int32_t new_value) {
                               std::string text;
                               mirado::FormatToString(text, kLineSize, "%sがシーンに登場しました。（現在 %d 回）", name,
                                                      new_value);
                               return text;
                             });
}

const SceneRule kSceneRules[] = {
    {mirado::GameMode::kDoubleCross, RaiseErosion},
    {mirado::GameMode::kAlshard, CountScene},
};

}  // namespace

void SceneIn::Execute() {
  const mirado::GameMode mode = Mode();
  const SceneRule* rule = mirado::FirstRowWhere(kSceneRules, [&](const SceneRule& r) { return r.mode == mode; });
  if (rule == nullptr || CounterStore::RefuseSharedSection(*this)) return;
  // The character's own name: the registered name or the nick, without the
  // suffix some game modes add to the display name.
  char name[kShortSize];
  mirado::CopyText(name, sizeof name, Nick);
  SettingsStore::LoadCharacterName(name, sizeof name);
  rule->enter(*this, name);
}

}  // namespace BotCommand
