#include <string>

#include "core/text.h"
#include "plugin/plugin_commands.h"
#include "plugin/release_info.h"

namespace BotCommand {

// Three lines of their own over whatever the plug-in wrote before (the
// host's text stays): name and date, the main page, the reference.
void CallHelp::Execute() {
  std::string line;
  Reply.Clear();
  mirado::FormatToString(line, kReplyBufferSize, "notice %s :>『%s』 LastUpdate：%s", ReplyTarget, kPluginName,
                         kReleaseDate);
  Reply.Line(line);
  mirado::FormatToString(line, kReplyBufferSize, "notice %s :>メインページ：%s", ReplyTarget, kMainPageUrl);
  Reply.Line(line);
  mirado::FormatToString(line, kReplyBufferSize, "notice %s :>リファレンス：%s", ReplyTarget, kReferenceUrl);
  Reply.Line(line);
}

}  // namespace BotCommand
