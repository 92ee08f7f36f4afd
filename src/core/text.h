// Text helpers shared by every command: whole-text pattern matches, the
// foldings of Japanese text, code page 932 <-> UTF-16, bounded formatting and
// small parsers. Narrow text is code page 932 bytes; wide text is UTF-16.
#ifndef MIRADO_CORE_TEXT_H_
#define MIRADO_CORE_TEXT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codepage/codepage.h"

namespace mirado {

// Character boundaries of code page 932 text (from the code-page library).
using codepage::CharacterPrefix;
using codepage::IsLeadByte;
using codepage::IsTrailByte;

// ---- Patterns -------------------------------------------------------------
// Whole-text, case-insensitive match in Perl syntax. An empty pattern, or any
// error while compiling or matching (a malformed pattern, the engine's
// complexity limit), returns `on_error`; an empty subject returns false. On a
// match, `groups` (when given) receives group 0, 1, ... (empty for a group that
// took no part). Narrow patterns compare bytes with ASCII-only case folding.
bool FullMatch(std::string_view subject, std::string_view pattern, bool on_error = false,
               std::vector<std::string>* groups = nullptr);

// The same over UTF-16 with Unicode classes (\d takes full-width digits, \w
// takes kana and kanji) and case folding of full-width Latin. An empty
// pattern, an empty subject and any error give false.
bool FullMatchWide(std::u16string_view subject, std::u16string_view pattern,
                   std::vector<std::u16string>* groups = nullptr);

// Compiled patterns are kept process-wide (compile once, reuse); turning the
// cache off compiles on every use. Results never depend on it. For benchmarks.
void SetPatternCacheEnabled(bool enabled);

// ---- Folding and conversion ------------------------------------------------
// Each ideographic space (81 40) becomes one ASCII space, in place.
void FoldSpaces(char* text);
// Full width + katakana + upper case, then the kana fold table: the folded text
// has no long-vowel marks, dashes, middle dots, small kana and the like.
void FoldForMatch(std::u16string& text);
// Full-width ASCII forms (U+FF01..U+FF5E) to ASCII and U+3000 to a space,
// leaving everything else (kana, kanji) as it is: how a command word or
// sub-command word typed with a Japanese input method is read, so "ＤＸ" and
// "ＬＩＳＴ" mean what "DX" and "LIST" mean.
std::u16string FoldAsciiWidth(std::u16string_view text);
// Full-width ASCII forms to ASCII, U+3000 to a space, katakana to half width.
void ToHalfWidth(const char* source, char* destination, std::size_t size);
// Operator symbols (×, ÷, ≦, ...) to their ASCII forms; width unchanged.
void FoldOperators(const char* source, char* destination, std::size_t size);
std::u16string ToWide(std::string_view text);
std::string ToNarrow(std::u16string_view text);

// ---- Formatting ----------------------------------------------------------------
// printf-style formatting into `size` bytes, cut (never an error) at size - 1
// bytes, always terminated; bytes after the terminator are zeroed up to `size`.
// The destination may be one of the arguments (commands append a line by
// passing the buffer itself to a leading "%s"). Cutting is byte-wise.
void FormatText(char* destination, std::size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
// The same for UTF-16; understands %s (a const char16_t*), %d, %c (char16_t
// passed as int) and %%; `size` counts characters.
void FormatTextWide(char16_t* destination, std::size_t size, const char16_t* format, ...);
// The same with a string object as destination; `size` bounds the result
// (size - 1 bytes at most).
void FormatToString(std::string& destination, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
// Copies at most size - 1 bytes of `source` and a terminator, never ending
// inside a double-byte character (nor on a lone lead byte).
void CopyText(char* destination, std::size_t size, std::string_view source);

// Pieces written one after another into a buffer of `size` bytes (at least
// 1): what does not fit is cut byte-wise, as CopyText cuts, and the text is
// always terminated.
class BoundedText {
 public:
  BoundedText(char* out, std::size_t size) : out_(out), size_(size) { out_[0] = '\0'; }
  BoundedText(const BoundedText&) = delete;
  BoundedText& operator=(const BoundedText&) = delete;

  void Add(std::string_view piece);
  void Add(int64_t number);  // in decimal
  bool Full() const { return used_ + 1 >= size_; }

 private:
  char* out_;
  std::size_t size_;
  std::size_t used_ = 0;
};

// Replaces every occurrence of `search`, left to right; inserted text is never
// searched again. An empty `search` leaves the text as it is.
std::u16string ReplaceAll(std::u16string text, std::u16string_view search, std::u16string_view replacement);

// ---- Parsers and checks ------------------------------------------------------------
// Operator folding and half width, then a decimal integer from the start:
// optional white space, sign, digits; 0 without digits; clamped to 32 bits.
int32_t ParseNumber(const char* text);
// The decimal reader alone, without the folding.
int32_t ReadDecimal(std::string_view text);

struct LookupEntry {
  int32_t id;
  const char16_t* name;
};
// Finds the first entry whose folded name equals the folded text. Each list
// (constant data) is folded once, at its first lookup, and kept.
bool LookupFolded(int32_t* id, const char* text, const LookupEntry* entries, std::size_t count);

// True when every byte lies in 0x20..0x7E (the empty text included).
bool IsPrintableAscii(const char* text);

}  // namespace mirado

#endif  // MIRADO_CORE_TEXT_H_
