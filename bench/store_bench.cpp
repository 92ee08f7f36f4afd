// Cost of the settings store: a read inside one host call (the file checked
// once per call), a crash-safe write, and a whole command, each on a small
// file and on a large one (1,000 channels, 10,000 keys), plus the write at the
// store's size bound and the store's own share of a write (parse, rewrite).
//
//   build/linux/bench/mirado_store_bench --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true   (one command line)
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "core/settings_store.h"
#include "mirado/mirado.h"
#include "platform/ini_document.h"
#include "platform/platform.h"

namespace {

enum Size { kSmall, kLarge, kAtBound };

std::string Content(Size size) {
  std::string content = "[CharactersName]\r\nTARO=taro\r\n[GameMode]\r\n#trpg=DX\r\n[#trpg]\r\nTARO=10\r\n";
  if (size == kSmall) return content;
  // 1,000 channels of ten players, or (at the bound) as many keys as the
  // store takes, with values long enough to reach its size bound.
  const std::size_t keys = size == kLarge ? 10000 : mirado::platform::kProfileMaxKeys - 8;
  const std::string value = size == kLarge ? "12" : std::string(mirado::platform::kProfileMaxBytes / keys - 16, 'm');
  for (std::size_t k = 0; k < keys; ++k) {
    if (k % 10 == 0) content += "[#ch" + std::to_string(k / 10) + "]\r\n";
    content += "NICK" + std::to_string(k % 10) + "=" + value + "\r\n";
  }
  return content;
}

// A folder of the benchmark's own holding a settings file of that size.
std::string UseSettings(Size size) {
  const auto folder = std::filesystem::temp_directory_path() / ("mirado-store-bench-" + std::to_string(size));
  std::filesystem::create_directories(folder);
  const std::string dir = folder.string() + "/";
  std::ofstream(dir + "Mirado.ini", std::ios::binary | std::ios::trunc) << Content(size);
  SettingsStore::SetModuleDirectory(dir);
  return dir + "Mirado.ini";
}

// One host call reading the settings a roll reads (name, game mode, counter).
void BM_ReadInOneCall(benchmark::State& state) {
  const std::string path = UseSettings(static_cast<Size>(state.range(0)));
  for (auto _ : state) {
    mirado::platform::ProfileCall call;
    benchmark::DoNotOptimize(SettingsStore::ReadString(path.c_str(), "CharactersName", "TARO", "taro"));
    benchmark::DoNotOptimize(SettingsStore::ReadString(path.c_str(), "GameMode", "#trpg", ""));
    benchmark::DoNotOptimize(SettingsStore::ReadInt(path.c_str(), "#trpg", "TARO", 0));
  }
}

// A counter written as a counting roll writes it: new file, flush, rename,
// flush the folder.
void BM_Write(benchmark::State& state) {
  const std::string path = UseSettings(static_cast<Size>(state.range(0)));
  int value = 0;
  for (auto _ : state) {
    mirado::platform::ProfileCall call;
    benchmark::DoNotOptimize(
        SettingsStore::WriteString(path.c_str(), "#trpg", "TARO", std::to_string(++value).c_str()));
  }
}

// The floor under every crash-safe write on this disk, whatever writes it: a
// tiny new file flushed, renamed, and the folder flushed.
void BM_DiskFlushes(benchmark::State& state) {
  const std::string path = UseSettings(kSmall);
  const std::string tmp = path + ".floor";
  const std::string folder = path.substr(0, path.rfind('/'));
  for (auto _ : state) {
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, "[A]\r\nk=1\r\n", 10));
    ::fdatasync(fd);
    ::close(fd);
    ::rename(tmp.c_str(), (path + ".floor2").c_str());
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(dir);
    ::close(dir);
  }
}

// The store's own work in a write, without the disk: the rewrite of the file.
void BM_Rewrite(benchmark::State& state) {
  const auto doc = mirado::platform::IniDocument::Parse(Content(static_cast<Size>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(doc.Serialize());
}

// Reading the file after another program changed it.
void BM_Parse(benchmark::State& state) {
  const std::string content = Content(static_cast<Size>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(mirado::platform::IniDocument::Parse(content));
}

// A whole roll through the entry point, settings included; with the second
// argument 1 inside a call scope, as the entry points open one.
void BM_RollCommand(benchmark::State& state) {
  UseSettings(static_cast<Size>(state.range(0)));
  char output[4096];
  for (auto _ : state) {
    std::optional<mirado::platform::ProfileCall> call;
    if (state.range(1) != 0) call.emplace();
    output[0] = '\0';
    Command("taro", "", "", "", "#trpg", "#2D6+3", output);
    benchmark::DoNotOptimize(output);
  }
}

}  // namespace

BENCHMARK(BM_ReadInOneCall)->Arg(kSmall)->Arg(kLarge)->Arg(kAtBound);
BENCHMARK(BM_RollCommand)->Args({kSmall, 0})->Args({kLarge, 0})->Args({kSmall, 1})->Args({kLarge, 1});
BENCHMARK(BM_Write)->Arg(kSmall)->Arg(kLarge)->Arg(kAtBound)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiskFlushes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rewrite)->Arg(kSmall)->Arg(kLarge)->Arg(kAtBound)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Parse)->Arg(kSmall)->Arg(kLarge)->Arg(kAtBound)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
