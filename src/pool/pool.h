// The dice pool: one shared pool of six-sided dice per channel, black and
// white, each showing a fixed face, that players put in and take out between
// rolls. The public face of the subsystem: the plug-in's command table
// creates PoolDice, which hands the work to a pool object of the channel's
// pool kind (pool_kinds.h).
#ifndef MIRADO_POOL_POOL_H_
#define MIRADO_POOL_POOL_H_

#include <cstddef>
#include <string>
#include <vector>

#include "core/bot_command.h"

namespace BotCommand {

// "#POOL ...": set up (SET / =), show (? / CONFIRM), delete (DEL / INIT),
// reset, add (ADD / PUSH / <, or dice alone) and remove (GET / POP / RM / >).
class PoolDice : public BotCommandAbstract {
 public:
  void Execute() override;

 private:
  // Writes a pool's CR LF-separated lines, or the write-failure answer.
  void WriteLines(const std::string& text, bool write_failed);
};

}  // namespace BotCommand

#endif  // MIRADO_POOL_POOL_H_
