// Wide patterns on POSIX: Boost.Regex over UTF-16 with ICU, which gives the
// Unicode classes and case folding the Windows traits give.
#include <boost/regex/icu.hpp>

#include "core/pattern_cache.h"

namespace mirado {
namespace {

std::shared_ptr<const boost::u32regex> Compile(const std::u16string& pattern) {
  try {
    const auto* p = reinterpret_cast<const UChar*>(pattern.data());
    return std::make_shared<const boost::u32regex>(
        boost::make_u32regex(p, p + pattern.size(), boost::regex::perl | boost::regex::icase));
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace

bool MatchWideWithEngine(std::u16string_view subject, std::u16string_view pattern,
                         std::vector<std::u16string>* groups) {
  const auto re = CachedPattern<boost::u32regex>(std::u16string(pattern), Compile);
  if (!re) return false;
  try {
    const auto* first = reinterpret_cast<const UChar*>(subject.data());
    boost::match_results<const UChar*> what;
    if (!boost::u32regex_match(first, first + subject.size(), what, *re)) return false;
    if (groups != nullptr) {
      for (std::size_t i = 0; i < what.size(); ++i) {
        groups->push_back(what[i].matched ? std::u16string(reinterpret_cast<const char16_t*>(what[i].first),
                                                           static_cast<std::size_t>(what[i].second - what[i].first))
                                          : std::u16string());
      }
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace mirado
