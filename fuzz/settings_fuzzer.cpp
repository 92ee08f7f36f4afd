// Fuzzes the settings file: the input is written as Mirado.ini, then read
// through the settings store and the platform store and written to. Whatever
// the file holds, nothing may crash, and the store must keep its promises:
// a value it wrote reads back as written, a write to one key leaves the
// other sections as they were, and a deleted section reads empty.
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_store.h"
#include "fuzz_checks.h"
#include "platform/platform.h"

namespace {

using mirado::fuzz::Require;

std::string g_path;

// Section and key names found in the file: the first few "[name]" headers
// and "key=" lines, names the store itself may have escaped included.
struct Names {
  std::vector<std::string> sections;
  std::vector<std::string> keys;
};

Names FindNames(std::string_view file) {
  Names names;
  while (!file.empty() && (names.sections.size() < 3 || names.keys.size() < 3)) {
    const std::size_t end = file.find_first_of("\r\n");
    std::string_view line = file.substr(0, end);
    file = end == std::string_view::npos ? std::string_view() : file.substr(end + 1);
    if (line.size() > 200 || line.find('\0') != std::string_view::npos) continue;
    if (!line.empty() && line[0] == '[') {
      const std::size_t close = line.find(']');
      if (close != std::string_view::npos && names.sections.size() < 3) {
        names.sections.emplace_back(line.substr(1, close - 1));
      }
    } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
      if (names.keys.size() < 3) names.keys.emplace_back(line.substr(0, equals));
    }
  }
  names.sections.push_back("NAME");
  names.keys.push_back("TARO");
  return names;
}

// A lead byte followed by a byte that cannot end a character (an '=' after
// a cut character) once went into the file unescaped and split the key on
// reading, losing the value; the store now escapes that byte, and names built
// here keep such pairs (the reproducer is in corpus/settings/).
// A name that only the escaping can store: its bytes come from the file, with
// the line ends and NUL no chat text can carry left out.
std::string OddName(std::string_view file) {
  std::string bytes;
  for (char c : file.substr(0, 12)) {
    if (c != '\r' && c != '\n' && c != '\0') bytes.push_back(c);
  }
  bytes += "=]";
  std::string name = "[";
  // Character by character: a lead byte and the byte after it are one.
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (mirado::platform::IsLeadByte(static_cast<unsigned char>(bytes[i]))) {
      name.push_back(bytes[i++]);
    }
    name.push_back(bytes[i]);
  }
  return name + "]";
}

// Section names compare without regard to ASCII letter case.
std::string Folded(std::string_view section) {
  std::string out = SettingsStore::EscapeName(section, true);
  for (auto& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string folder = mirado::fuzz::MakeSettingsFolder();
  SettingsStore::SetModuleDirectory(folder);
  char path[SettingsStore::kPathSize] = "";
  SettingsStore::GetSettingsPath(path, sizeof path);
  g_path = path;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream out(g_path, std::ios::binary | std::ios::trunc);
    out.write(file.data(), static_cast<std::streamsize>(file.size()));
  }
  const char* path = g_path.c_str();
  const Names names = FindNames(file);

  // Reads of every kind.
  for (const auto& section : names.sections) {
    for (const auto& entry : SettingsStore::ReadSection(path, section)) {
      SettingsStore::ReadString(path, section, entry.first, "");
    }
    for (const auto& key : names.keys) {
      SettingsStore::ReadString(path, section, key, "none");
      SettingsStore::ReadInt(path, section, key, -1);
      mirado::platform::ProfileGetString(g_path, section, key, "", 64);
      mirado::platform::ProfileGetInt(g_path, section, key, 0);
    }
    mirado::platform::ProfileGetSection(g_path, section, 300);
  }
  char name[SettingsStore::kNameSize] = "TARO";
  SettingsStore::LoadCharacterName(name, sizeof name);
  char mode_name[SettingsStore::kNameSize];
  char mode_code[SettingsStore::kNameSize];
  SettingsStore::LoadGameMode("#trpg", mode_name, sizeof mode_name, mode_code, sizeof mode_code);
  int32_t critical[5], fumble[5], critical_count = 0, fumble_count = 0;
  SettingsStore::LoadCriticalFumble("TARO", critical, fumble, &critical_count, &fumble_count);
  Require(critical_count >= 0 && critical_count <= 5 && fumble_count >= 0 && fumble_count <= 5,
          "more critical or fumble values than the lists hold");

  // A write keeps its value and touches nothing else.
  const std::string& written_section = names.sections.front();
  const std::string& other_section = names.sections.back();
  const bool distinct = Folded(written_section) != Folded(other_section);
  const auto other_before = SettingsStore::ReadSection(path, other_section);
  const std::string odd = OddName(file);
  if (SettingsStore::WriteString(path, written_section, odd, "written value")) {
    Require(SettingsStore::ReadString(path, written_section, odd, "") == "written value",
            "a written value does not read back");
    if (distinct) {
      Require(SettingsStore::ReadSection(path, other_section) == other_before, "a write changed another section");
    }
  }
  // Only the first of sections of the same name is seen, so deleting one
  // shows the next: as many deletes as the file has headers empty it.
  const auto headers = static_cast<std::size_t>(std::count(file.begin(), file.end(), '[')) + 1;
  for (std::size_t i = 0; i < headers; ++i) {
    if (!SettingsStore::DeleteSection(path, written_section)) return 0;
    if (SettingsStore::ReadSection(path, written_section).empty()) return 0;
  }
  mirado::fuzz::Fail("a deleted section still has entries");
}
