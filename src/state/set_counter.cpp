#include "state/state.h"

namespace BotCommand {

void SetCounter::Execute() {}

}  // namespace BotCommand
