// Time of one Command call, as a host makes it: a roll and an ordinary chat
// line, each with and without the compiled-pattern cache, and the slowest
// kind of expression we know of (a full line of 1000-dice terms, five times);
// and of Alias on chat lines and on a phrase.
//
//   build/linux/bench/mirado_bench --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true   (one command line)
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/settings_store.h"
#include "core/text.h"
#include "mirado/mirado.h"

namespace {

// Settings in a folder of the benchmark's own, so nothing real is touched.
void UsePrivateSettings() {
  static const std::string dir = [] {
    const auto path = std::filesystem::temp_directory_path() / "mirado-bench";
    std::filesystem::create_directories(path);
    return path.string() + "/";
  }();
  SettingsStore::SetModuleDirectory(dir);
}

void Run(MiradoEntryPoint entry, benchmark::State& state, const std::string& text, bool cache) {
  UsePrivateSettings();
  mirado::SetPatternCacheEnabled(cache);
  char output[4096];
  for (auto _ : state) {
    output[0] = '\0';
    entry("taro", "", "", "", "#trpg", text.c_str(), output);
    benchmark::DoNotOptimize(output);
  }
  mirado::SetPatternCacheEnabled(true);
}

void RunCommand(benchmark::State& state, const std::string& text, bool cache) { Run(Command, state, text, cache); }

// A chat line nobody meant for the bot ("今日はよろしくお願いします" in
// code page 932).
const std::string kChat =
    "\x8D\xA1\x93\xFA\x82\xCD\x82\xE6\x82\xEB\x82\xB5\x82\xAD\x82\xA8\x8A\xE8\x82\xA2\x82\xB5\x82\xDC\x82\xB7";

std::string WorstLine() {
  std::string line = "#";
  while (line.size() < 1000) line += "1000D6+";
  return line + "1**5";
}

void BM_Roll(benchmark::State& state) { RunCommand(state, "#2D6+3", true); }
void BM_RollNoCache(benchmark::State& state) { RunCommand(state, "#2D6+3", false); }
void BM_ChatLine(benchmark::State& state) { RunCommand(state, kChat, true); }
void BM_ChatLineNoCache(benchmark::State& state) { RunCommand(state, kChat, false); }
void BM_WorstRoll(benchmark::State& state) { RunCommand(state, WorstLine(), true); }

// Alias on lines no phrase matches, and on one that becomes a command
// ("性格表", the personality table: the rewrite and the table command).
void BM_AliasAsciiChat(benchmark::State& state) { Run(Alias, state, "hello everyone, ready to roll?", true); }
void BM_AliasJapaneseChat(benchmark::State& state) { Run(Alias, state, kChat, true); }
void BM_AliasPhrase(benchmark::State& state) { Run(Alias, state, "\x90\xAB\x8A\x69\x95\x5C", true); }

}  // namespace

BENCHMARK(BM_Roll);
BENCHMARK(BM_RollNoCache);
BENCHMARK(BM_ChatLine);
BENCHMARK(BM_ChatLineNoCache);
BENCHMARK(BM_WorstRoll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AliasAsciiChat);
BENCHMARK(BM_AliasJapaneseChat);
BENCHMARK(BM_AliasPhrase);
BENCHMARK_MAIN();
