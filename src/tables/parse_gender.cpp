#include <string>

#include "core/random_source.h"
#include "core/text.h"
#include "tables/tables.h"

namespace Tables {
namespace {

// Written folded (full-width capitals, large katakana without long-vowel
// marks), because the text is folded before it is matched.
constexpr const char16_t* kMalePattern = u"男性?|♂|雄|オス|オトコ|ダンセイ|ＯＴＯＫＯ|ＭＡ?(ＬＥ)?|Ｍ[ＡＥ]Ｎ";
constexpr const char16_t* kFemalePattern = u"女性?|♀|雌|メス|オンナ|ジヨセイ|ＯＮＮ?Ａ|ＦＥ?(ＭＡＬＥ)?|ＷＯＭ[ＡＥ]Ｎ";

}  // namespace

bool ParseGender(bool* male, std::u16string_view text, bool random_allowed) {
  std::u16string folded(text);
  mirado::FoldForMatch(folded);
  if (mirado::FullMatchWide(folded, kMalePattern)) {
    *male = true;
    return true;
  }
  if (mirado::FullMatchWide(folded, kFemalePattern)) {
    *male = false;
    return true;
  }
  if (random_allowed) *male = (RandomSource::Next32() & 1u) != 0;
  return false;
}

bool ParseGender(bool* male, const char* text, bool random_allowed) {
  return ParseGender(male, mirado::ToWide(text != nullptr ? text : ""), random_allowed);
}

}  // namespace Tables
