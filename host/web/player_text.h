// What a player types, checked before it reaches the plug-in: the web speaks
// UTF-8, the plug-in code page 932, and a line the plug-in cannot take is
// refused with the reason, never cut or replaced (the wire_text codec alone
// would put '?' or U+FFFD in its place).
#ifndef MIRADO_HOST_WEB_PLAYER_TEXT_H_
#define MIRADO_HOST_WEB_PLAYER_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace mirado::web {

// True when `text` is well-formed UTF-8 (no overlong form, no surrogate, at
// most U+10FFFF).
bool IsValidUtf8(std::string_view text);

enum class TextVerdict {
  kOk,
  kInvalidUtf8,    // 400
  kControl,        // a control character (line break, NUL, ...): 400
  kNotInCodePage,  // a character code page 932 has no place for: 422
  kTooLong,        // more than the limit in code page 932 bytes: 413
  kEmpty,          // nothing but spaces: 400
};

// Checks one line a player said and gives its code page 932 bytes in
// `cp932` when it is kOk. `limit` counts code page 932 bytes (the plug-in
// reads 1023 of a line). On a refusal `why` says what is wrong in words a
// player understands, naming the first character that cannot be taken.
TextVerdict CheckPlayerText(std::string_view utf8, std::size_t limit, std::string* cp932, std::string* why);

// The HTTP status for a refusal (400, 413 or 422); 200 for kOk.
int VerdictStatus(TextVerdict verdict);

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_PLAYER_TEXT_H_
