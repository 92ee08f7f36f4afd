// Time of one call of the plug-in's entry points, made exactly as a host
// makes it: the built library is copied into a fresh temporary folder of the
// benchmark's own (where its Mirado.ini lives) and loaded with dlopen.
//
//   build/linux/bench/mirado_bench --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true      (one command line;
//       --plugin=PATH loads another build)
//
// Cases: rolls, chat lines that are no command (ASCII and Japanese), Alias
// on chat lines and on a phrase, the worst 1023-byte lines we know of, and a
// read and a write on a settings file of 1,000 channels and 10,000 keys.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "mirado/mirado.h"
#include "plugin_loader.h"

namespace {

namespace fs = std::filesystem;

std::string g_built_plugin;

// One copy of the library in a fresh folder. Its settings file holds the
// channel the file cases use (#channel500: counters and memos of five
// players); `large` adds 999 more channels like it, 10,000 keys in all, so
// the two differ only in the size of the file.
struct LoadedCopy {
  fs::path dir;
  std::unique_ptr<mirado::host::Plugin> plugin;

  explicit LoadedCopy(bool large) {
    char pattern[] = "/tmp/mirado-bench-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (made == nullptr) std::abort();
    dir = made;
    const fs::path copy = dir / fs::path(g_built_plugin).filename();
    fs::copy_file(g_built_plugin, copy);
    {
      std::ofstream ini(dir / "Mirado.ini", std::ios::binary);
      for (int channel = large ? 0 : 500; channel < (large ? 1000 : 501); ++channel) {
        ini << "[#channel" << channel << "]\r\n";
        for (int player = 0; player < 5; ++player) {
          ini << "PLAYER" << static_cast<char>('A' + player) << "=" << (channel * 7 + player) % 100 << "\r\n";
          ini << "PLAYER" << static_cast<char>('A' + player) << ".Memo=memo " << channel << "\r\n";
        }
      }
    }
    std::string error;
    plugin = mirado::host::Plugin::Load(copy.string(), &error);
    if (!plugin) {
      std::fprintf(stderr, "cannot load %s: %s\n", copy.c_str(), error.c_str());
      std::abort();
    }
  }
  ~LoadedCopy() {
    plugin.reset();
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }
};

LoadedCopy& Small() {
  static LoadedCopy copy(false);
  return copy;
}
LoadedCopy& Large() {
  static LoadedCopy copy(true);
  return copy;
}

void Run(benchmark::State& state, MiradoEntryPoint entry, const std::string& text, const char* channel = "#trpg") {
  char output[4096];
  for (auto _ : state) {
    output[0] = '\0';
    entry("taro", "", "", "", channel, text.c_str(), output);
    benchmark::DoNotOptimize(output);
  }
}

// Each call stores a new value (two values in turn), so every call writes.
void RunWrites(benchmark::State& state, MiradoEntryPoint entry, const char* channel) {
  char output[4096];
  bool odd = false;
  for (auto _ : state) {
    output[0] = '\0';
    entry("taro", "", "", "", channel, (odd = !odd) ? "#SET 5" : "#SET 6", output);
    benchmark::DoNotOptimize(output);
  }
}

// "今日はよろしくお願いします" and "性格表" (the personality table) in code page 932.
const std::string kChat =
    "\x8D\xA1\x93\xFA\x82\xCD\x82\xE6\x82\xEB\x82\xB5\x82\xAD\x82\xA8\x8A\xE8\x82\xA2\x82\xB5\x82\xDC\x82\xB7";
const std::string kPhrase = "\x90\xAB\x8A\x69\x95\x5C";

// A full line of 1000-dice terms, five times.
std::string WorstRollLine() {
  std::string line = "#";
  while (line.size() < 1000) line += "1000D6+";
  return line + "1**5";
}
// A comparison suffix that never completes: "#" then "=1" 508 times, "=1.a1".
std::string WorstSuffixLine() {
  std::string line = "#";
  for (int i = 0; i < 508; ++i) line += "=1";
  return line + "=1.a1";
}

void BM_Roll(benchmark::State& s) { Run(s, Small().plugin->RawCommand(), "#2D6+3"); }
void BM_DoubleCross(benchmark::State& s) { Run(s, Small().plugin->RawCommand(), "#3DX@8"); }
void BM_Percentile(benchmark::State& s) { Run(s, Small().plugin->RawCommand(), "#1D100<=50"); }
void BM_Repeated(benchmark::State& s) { Run(s, Small().plugin->RawCommand(), "#2D6>=7**3"); }
void BM_ChatAscii(benchmark::State& s) { Run(s, Small().plugin->RawCommand(), "hello everyone, ready to roll?"); }
void BM_ChatJapanese(benchmark::State& s) { Run(s, Small().plugin->RawCommand(), kChat); }
void BM_AliasChatAscii(benchmark::State& s) { Run(s, Small().plugin->RawAlias(), "hello everyone, ready to roll?"); }
void BM_AliasChatJapanese(benchmark::State& s) { Run(s, Small().plugin->RawAlias(), kChat); }
void BM_AliasPhrase(benchmark::State& s) { Run(s, Small().plugin->RawAlias(), kPhrase); }
void BM_WorstRollLine(benchmark::State& s) { Run(s, Small().plugin->RawCommand(), WorstRollLine()); }
void BM_WorstSuffixLine(benchmark::State& s) { Run(s, Small().plugin->RawCommand(), WorstSuffixLine()); }
// The same reads and writes on a small file and on the large one.
void BM_GetListSmall(benchmark::State& s) { Run(s, Small().plugin->RawCommand(), "#GET LIST", "#channel500"); }
void BM_GetListLarge(benchmark::State& s) { Run(s, Large().plugin->RawCommand(), "#GET LIST", "#channel500"); }
void BM_SetSmall(benchmark::State& s) { RunWrites(s, Small().plugin->RawCommand(), "#channel500"); }
void BM_SetLarge(benchmark::State& s) { RunWrites(s, Large().plugin->RawCommand(), "#channel500"); }
void BM_RollSmallFile(benchmark::State& s) { Run(s, Small().plugin->RawCommand(), "#2D6+3", "#channel500"); }
void BM_RollLarge(benchmark::State& s) { Run(s, Large().plugin->RawCommand(), "#2D6+3", "#channel500"); }

}  // namespace

BENCHMARK(BM_Roll);
BENCHMARK(BM_DoubleCross);
BENCHMARK(BM_Percentile);
BENCHMARK(BM_Repeated);
BENCHMARK(BM_ChatAscii);
BENCHMARK(BM_ChatJapanese);
BENCHMARK(BM_AliasChatAscii);
BENCHMARK(BM_AliasChatJapanese);
BENCHMARK(BM_AliasPhrase);
BENCHMARK(BM_WorstRollLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstSuffixLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetListSmall);
BENCHMARK(BM_GetListLarge);
BENCHMARK(BM_SetSmall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RollSmallFile);
BENCHMARK(BM_RollLarge);

int main(int argc, char** argv) {
  // --plugin=PATH names the library to load; by default the one built beside
  // the benchmark's folder.
  g_built_plugin = MIRADO_BUILT_PLUGIN;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--plugin=", 9) == 0) g_built_plugin = argv[i] + 9;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
