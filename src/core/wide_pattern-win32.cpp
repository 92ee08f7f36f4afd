// Wide patterns on Windows: Boost.Regex with the Win32 traits. Boost turns
// those traits off for every GCC build on Windows; switching them back on
// gives Unicode classes and full-width case folding, matching the ICU build.
#include <boost/regex/config.hpp>
#undef BOOST_REGEX_NO_W32
#define BOOST_REGEX_USE_WIN32_LOCALE
#include <boost/regex.hpp>

#include "core/pattern_cache.h"

namespace mirado {
namespace {

using WideRegex = boost::basic_regex<wchar_t, boost::w32_regex_traits<wchar_t>>;

std::shared_ptr<const WideRegex> Compile(const std::u16string& pattern) {
  try {
    const std::wstring p(pattern.begin(), pattern.end());
    return std::make_shared<const WideRegex>(p, boost::regex::perl | boost::regex::icase);
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace

bool MatchWideWithEngine(std::u16string_view subject, std::u16string_view pattern,
                         std::vector<std::u16string>* groups) {
  const auto re = CachedPattern<WideRegex>(std::u16string(pattern), Compile);
  if (!re) return false;
  try {
    const std::wstring s(subject.begin(), subject.end());
    boost::match_results<std::wstring::const_iterator> what;
    if (!boost::regex_match(s.cbegin(), s.cend(), what, *re)) return false;
    if (groups != nullptr) {
      for (std::size_t i = 0; i < what.size(); ++i) {
        const std::wstring g = what[i].matched ? what[i].str() : std::wstring();
        groups->push_back(std::u16string(g.begin(), g.end()));
      }
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace mirado
