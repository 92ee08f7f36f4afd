#include <string>

#include "core/text.h"
#include "plugin/plugin_commands.h"
#include "plugin/release_info.h"
#include "state/state.h"

namespace BotCommand {

// Leaving forgets the channel: the counter command clears every counter and
// memo kept for it (and answers as it always does), then, for a channel, the
// PART line makes the host leave. A private talk has nothing to leave.
void PartChannel::Execute() {
  ParamArea area = {};
  mirado::CopyText(area[0], kLineSize, "INIT");
  mirado::CopyText(area[1], kLineSize, "LIST");
  {
    SetCounter clear;
    clear.Init(Output, ReplyTarget, Nick, "#SET", "", area);
    clear.Execute();
  }
  if (!IsChannel(ReplyTarget)) return;
  // The counter command wrote through a writer of its own: start after it.
  Reply.Attach(Output, kReplyBufferSize);
  std::string line;
  mirado::FormatToString(line, kReplyBufferSize, "PART %s :%s v.%s %s", ReplyTarget, kPluginName, kReleaseDate,
                         kShortUrl);
  Reply.Line(line);
}

}  // namespace BotCommand
