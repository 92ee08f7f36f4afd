// The fixed buffer sizes every layer shares, in one place. Narrow text is
// code page 932 bytes; each size counts bytes and includes the terminator.
#ifndef MIRADO_CORE_SIZES_H_
#define MIRADO_CORE_SIZES_H_

#include <cstddef>

namespace BotCommand {

constexpr std::size_t kReplyBufferSize = 4096;  // the host's output buffer
constexpr std::size_t kLineSize = 1024;         // a line, word, parameter or reply
constexpr std::size_t kParamCount = 5;          // parameters split from a line
constexpr std::size_t kShortSize = 256;         // names, keys, short values
constexpr std::size_t kPathSize = 260;          // the settings file's path

}  // namespace BotCommand

#endif  // MIRADO_CORE_SIZES_H_
