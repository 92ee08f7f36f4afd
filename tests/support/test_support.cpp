#include "support/test_support.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

#include "codepage/codepage.h"
#include "core/random_source.h"
#include "core/settings_store.h"
#include "mirado/mirado.h"

namespace mirado::testing {
namespace {

std::map<std::string, std::string>& Flags() {
  static std::map<std::string, std::string> flags;
  return flags;
}

uint32_t g_seed = 0;
uint64_t PinnedCounter() { return g_seed; }

std::u16string Utf8ToUtf16(const std::string& s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    uint32_t cp;
    int n;
    if (b < 0x80)
      cp = b, n = 1;
    else if (b < 0xE0)
      cp = b & 0x1F, n = 2;
    else if (b < 0xF0)
      cp = b & 0x0F, n = 3;
    else
      cp = b & 0x07, n = 4;
    for (int k = 1; k < n && i + static_cast<std::size_t>(k) < s.size(); ++k) {
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0x3F);
    }
    i += static_cast<std::size_t>(n);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string Utf16ToUtf8(const std::u16string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    uint32_t cp = s[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size()) cp = 0x10000 + ((cp - 0xD800) << 10) + (s[++i] - 0xDC00);
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

}  // namespace

std::vector<void (*)()>& StartupHooks() {
  static std::vector<void (*)()> hooks;
  return hooks;
}

bool OnStartup(void (*hook)()) {
  StartupHooks().push_back(hook);
  return true;
}

std::string Flag(const std::string& name) {
  auto it = Flags().find(name);
  return it == Flags().end() ? std::string() : it->second;
}

TempSettings::TempSettings() {
  static std::atomic<int> counter{0};
  namespace fs = std::filesystem;
  const auto stamp = std::random_device()();
  fs::path dir = fs::temp_directory_path() / ("mirado-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  fs::create_directories(dir);
  dir_ = dir.string();
  const char last = dir_.back();
  if (last != '/' && last != '\\') dir_ += static_cast<char>(fs::path::preferred_separator);
  SettingsStore::SetModuleDirectory(dir_);
}

TempSettings::~TempSettings() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void TempSettings::Write(const std::string& content) const {
  std::ofstream out(path(), std::ios::binary | std::ios::trunc);
  out << content;
}

std::string TempSettings::Read() const {
  std::ifstream in(path(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

PinnedRandom::PinnedRandom(uint32_t seed) : seed_(seed) {
  g_seed = seed;
  // Both clocks: a counter reading of 0 falls back to the tick count, so
  // seed 0 needs the second clock pinned too.
  RandomSource::SetClockForTesting(PinnedCounter, PinnedCounter);
}

PinnedRandom::~PinnedRandom() { RandomSource::SetClockForTesting(nullptr); }

std::vector<int> PinnedRandom::Dice(int count, uint32_t faces) const {
  std::mt19937 reference(seed_);
  std::vector<int> dice;
  for (int i = 0; i < count; ++i) dice.push_back(static_cast<int>(reference() % faces) + 1);
  return dice;
}

namespace {

std::vector<uint32_t> g_forced;
std::size_t g_forced_next = 0;
bool g_forced_past_end = false;
bool g_forced_then_reference = false;
std::mt19937 g_forced_reference;

std::size_t g_forced_total = 0;

uint32_t NextForced() {
  ++g_forced_total;
  if (g_forced_next < g_forced.size()) return g_forced[g_forced_next++];
  if (g_forced_then_reference) return static_cast<uint32_t>(g_forced_reference());
  g_forced_past_end = true;
  return 0;
}

}  // namespace

ForcedDraws::ForcedDraws(std::vector<uint32_t> draws, bool exact) : exact_(exact) {
  g_forced = std::move(draws);
  g_forced_next = 0;
  g_forced_past_end = false;
  g_forced_then_reference = false;
  RandomSource::SetDrawsForTesting(NextForced);
}

ForcedDraws::ForcedDraws(std::vector<uint32_t> draws, uint32_t then_seed) : ForcedDraws(std::move(draws), false) {
  g_forced_then_reference = true;
  g_forced_reference.seed(then_seed);
}

ForcedDraws::~ForcedDraws() {
  RandomSource::SetDrawsForTesting(nullptr);
  EXPECT_FALSE(g_forced_past_end) << "the code drew more than the " << g_forced.size() << " forced draws";
  if (exact_) {
    EXPECT_EQ(g_forced_next, g_forced.size()) << "the code drew fewer than the forced draws";
  }
}

std::size_t ForcedDraws::drawn() const { return g_forced_next; }
std::size_t ForcedDraws::total() { return g_forced_total; }
void ForcedDraws::ResetTotal() { g_forced_total = 0; }

std::string CallCommand(const std::string& nick, const std::string& channel, const std::string& text) {
  std::string buffer(4096, '\0');
  ::Command(nick.c_str(), "", "", "", channel.c_str(), text.c_str(), buffer.data());
  return std::string(buffer.c_str());
}

std::vector<std::string> Lines(const std::string& reply) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= reply.size()) {
    std::size_t end = reply.find("\r\n", start);
    if (end == std::string::npos) end = reply.size();
    if (end > start) lines.push_back(reply.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string ToCp932(const std::string& utf8) { return codepage::Utf16ToCp932(Utf8ToUtf16(utf8)); }
std::string ToUtf8(const std::string& cp932) { return Utf16ToUtf8(codepage::Cp932ToUtf16(cp932)); }

bool UnderWine() {
#ifdef _WIN32
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

}  // namespace mirado::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--", 0) != 0) continue;
    const auto eq = arg.find('=');
    if (eq == std::string::npos) continue;
    mirado::testing::Flags()[arg.substr(2, eq - 2)] = arg.substr(eq + 1);
  }
  for (auto hook : mirado::testing::StartupHooks()) hook();
  return RUN_ALL_TESTS();
}
