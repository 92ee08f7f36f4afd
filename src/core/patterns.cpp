// Whole-text pattern matches (narrow, and the common part of wide).
#include <boost/regex.hpp>

#include "core/pattern_cache.h"
#include "core/text.h"

namespace mirado {

std::atomic<bool>& PatternCacheEnabled() {
  static std::atomic<bool> enabled{true};
  return enabled;
}

void SetPatternCacheEnabled(bool enabled) { PatternCacheEnabled().store(enabled); }

namespace {

std::shared_ptr<const boost::regex> CompileNarrow(const std::string& pattern) {
  try {
    return std::make_shared<const boost::regex>(pattern, boost::regex::perl | boost::regex::icase);
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace

bool FullMatch(std::string_view subject, std::string_view pattern, bool on_error, std::vector<std::string>* groups) {
  if (pattern.empty()) return on_error;
  if (subject.empty()) return false;
  const auto re = CachedPattern<boost::regex>(std::string(pattern), CompileNarrow);
  if (!re) return on_error;
  try {
    boost::match_results<std::string_view::const_iterator> what;
    if (!boost::regex_match(subject.begin(), subject.end(), what, *re)) return false;
    if (groups != nullptr) {
      for (std::size_t i = 0; i < what.size(); ++i) groups->push_back(what[i].matched ? what[i].str() : std::string());
    }
    return true;
  } catch (const std::exception&) {
    return on_error;
  }
}

bool FullMatchWide(std::u16string_view subject, std::u16string_view pattern, std::vector<std::u16string>* groups) {
  if (pattern.empty() || subject.empty()) return false;
  return MatchWideWithEngine(subject, pattern, groups);
}

}  // namespace mirado
