// Character state: per-channel counters and memos, critical and fumble lists,
// closed-dice destinations, scene entry and Double Cross resurrection. The
// public face of the subsystem: the plug-in's command table creates these
// commands, and the leave command clears a channel through SetCounter.
#ifndef MIRADO_STATE_STATE_H_
#define MIRADO_STATE_STATE_H_

#include "core/bot_command.h"

namespace BotCommand {

// "#SET ...": counters, memos, critical and fumble lists, closed-dice
// destinations, and the INIT forms that clear them.
class SetCounter : public BotCommandAbstract {
 public:
  void Execute() override;
};

// "#GET ...": one's own state, or the LIST / CH / ALL listings.
class GetCounter : public BotCommandAbstract {
 public:
  void Execute() override;
};

// "#SCENE_IN": scene entry (the erosion rise in Double Cross).
class SceneIn : public BotCommandAbstract {
 public:
  void Execute() override;
};

// "#DX_RESURRECT": Double Cross resurrection.
class DX_Resurrect : public BotCommandAbstract {
 public:
  void Execute() override;
};

}  // namespace BotCommand

#endif  // MIRADO_STATE_STATE_H_
