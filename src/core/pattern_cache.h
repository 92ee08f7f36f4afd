// A process-wide cache of compiled patterns, keyed by the pattern text. A
// pattern that failed to compile is cached as a null entry, so it keeps
// counting as its error result. The cache is bounded: when it is full it is
// emptied and refilled, which costs a few compilations and changes nothing
// else.
#ifndef MIRADO_CORE_PATTERN_CACHE_H_
#define MIRADO_CORE_PATTERN_CACHE_H_

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace mirado {

std::atomic<bool>& PatternCacheEnabled();

template <typename Regex, typename Key, typename Compile>
std::shared_ptr<const Regex> CachedPattern(const Key& pattern, Compile compile) {
  static std::mutex mutex;
  static auto* cache = new std::unordered_map<Key, std::shared_ptr<const Regex>>();
  constexpr std::size_t kMaxEntries = 2048;
  if (!PatternCacheEnabled().load(std::memory_order_relaxed)) return compile(pattern);
  {
    std::lock_guard<std::mutex> lock(mutex);
    auto it = cache->find(pattern);
    if (it != cache->end()) return it->second;
  }
  std::shared_ptr<const Regex> compiled = compile(pattern);
  std::lock_guard<std::mutex> lock(mutex);
  if (cache->size() >= kMaxEntries) cache->clear();
  cache->emplace(pattern, compiled);
  return compiled;
}

// Wide matching, one implementation per platform (ICU on POSIX, the Win32
// traits on Windows), both with Unicode classes and full-width case folding.
bool MatchWideWithEngine(std::u16string_view subject, std::u16string_view pattern, std::vector<std::u16string>* groups);

}  // namespace mirado

#endif  // MIRADO_CORE_PATTERN_CACHE_H_
