// The settings file's key scheme and the lookups every command runs.
#include "core/settings_store.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

#include "core/text.h"
#include "platform/platform.h"
#include "support/test_support.h"

namespace SettingsStore {
namespace {

using mirado::testing::TempSettings;

std::string Key(const char* nick) {
  char key[kNameSize];
  MakeNickKey(key, sizeof key, nick);
  return key;
}

TEST(SettingsStore, NickKeyDropsDigitsAndUnderscoresAndUpperCases) {
  EXPECT_EQ("TARO", Key("Taro_2"));
  EXPECT_EQ("TARO", Key("taro"));
  EXPECT_EQ("TARO", Key("TARO2"));
  EXPECT_EQ("", Key("123_"));
  EXPECT_EQ("[GM]TARO", Key("[GM]Taro"));
  EXPECT_EQ("\x83\x5E\x83\x8D", Key("\x83\x5E\x83\x8D"));  // double-byte characters kept
  // Trail bytes in a-z, digits or '_' belong to their character: ヂ (83 61)
  // and ア (83 41) keep keys of their own, ダ (83 5F) keeps both bytes.
  EXPECT_EQ("\x83\x61", Key("\x83\x61"));
  EXPECT_NE(Key("\x83\x61"), Key("\x83\x41"));
  EXPECT_EQ(
      "\x83\x5F"
      "A",
      Key("\x83\x5F"
          "a_1"));
  EXPECT_EQ("\x83\x30", Key("\x83\x30"));
  // A cut never leaves half a character: 255 bytes of nick, then a lead byte.
  EXPECT_EQ(254u, Key((std::string(254, 'a') + "\x83\x41").c_str()).size());
  EXPECT_EQ(255u, Key(std::string(600, 'a').c_str()).size());
}

// The folder of the file this code was loaded from: in this test program
// (the core linked in) the program's own folder, found here independently.
std::string ProgramFolder() {
#ifdef _WIN32
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path, n);
  return p.substr(0, p.find_last_of("\\/") + 1);
#else
  return std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/";
#endif
}

TEST(SettingsStore, SettingsPathIsBesideTheLibrary) {
  const std::string kept = ModuleDirectory();
  SetModuleDirectory("");  // found anew at the next use, as at load
  char path[kPathSize] = {};
  GetSettingsPath(path, sizeof path);
  const std::string expected = ProgramFolder() + "Mirado.ini";
#ifdef _WIN32
  EXPECT_EQ(expected, path);
#else
  // dladdr may give the path the program was started by: compare the files.
  EXPECT_EQ(std::filesystem::canonical(std::filesystem::path(path).parent_path()).string() + "/Mirado.ini", expected);
#endif
  EXPECT_EQ(SettingsFilePath(), std::string(path));
  SetModuleDirectory(kept);
}

TEST(SettingsStore, GameModeFromTheStoredCode) {
  TempSettings settings;
  settings.Write(
      "[GameMode]\r\n#a=dx\r\n#b=nonsense\r\n#c=\x83\x5F\x83\x75\x83\x8B\x83\x4E\x83\x8D\x83\x58\r\n#d=QS\r\n");
  char name[kNameSize], code[kNameSize];
  LoadGameMode("#a", name, sizeof name, code, sizeof code);
  EXPECT_STREQ("ダブルクロス", name);
  EXPECT_STREQ("DX", code);
  LoadGameMode("#b", name, sizeof name, code, sizeof code);
  EXPECT_STREQ("", name);
  EXPECT_STREQ("", code);
  LoadGameMode("#c", name, sizeof name, code, sizeof code);  // the Japanese name itself
  EXPECT_STREQ("DX", code);
  LoadGameMode("#d", name, sizeof name, code, sizeof code);
  EXPECT_STREQ("？？？", name);
  EXPECT_STREQ("QS", code);
  LoadGameMode("#none", name, sizeof name, code, sizeof code);
  EXPECT_STREQ("", code);
}

TEST(SettingsStore, CriticalAndFumbleLists) {
  TempSettings settings;
  settings.Write("[CriticalValue]\r\nA=10,11\r\nB=1,2,3,4,5,6,7\r\nD=12,,11\r\nE= -3 , x\r\n[FumbleValue]\r\nA=2\r\n");
  int32_t crit[5] = {}, fumble[5] = {}, cc = -1, fc = -1;
  LoadCriticalFumble("A", crit, fumble, &cc, &fc);
  EXPECT_EQ(2, cc);
  EXPECT_EQ(10, crit[0]);
  EXPECT_EQ(11, crit[1]);
  EXPECT_EQ(1, fc);
  EXPECT_EQ(2, fumble[0]);
  LoadCriticalFumble("B", crit, fumble, &cc, &fc);
  EXPECT_EQ(5, cc);
  EXPECT_EQ(5, crit[4]);
  EXPECT_EQ(0, fc);
  LoadCriticalFumble("C", crit, fumble, &cc, &fc);
  EXPECT_EQ(0, cc);
  LoadCriticalFumble("D", crit, fumble, &cc, &fc);
  EXPECT_EQ(2, cc);
  EXPECT_EQ(11, crit[1]);
  LoadCriticalFumble("E", crit, fumble, &cc, &fc);
  EXPECT_EQ(2, cc);
  EXPECT_EQ(-3, crit[0]);
  EXPECT_EQ(0, crit[1]);
}

TEST(SettingsStore, CharacterNameOrTheNickCutTo255Bytes) {
  TempSettings settings;
  settings.Write("[CharactersName]\r\nHANAKO=" + std::string(300, 'n') + "\r\n");
  char name[kNameSize] = "taro";
  LoadCharacterName(name, sizeof name);
  EXPECT_STREQ("taro", name);
  std::strcpy(name, "Hanako_1");
  LoadCharacterName(name, sizeof name);
  EXPECT_EQ(std::string(255, 'n'), name);
}

TEST(SettingsStore, AByteAfterACutCharacterIsNoPartOfIt) {
  // "\x82=" is a lead byte cut from its character and a lone "=": the "="
  // must be escaped, or the key would split there and the value be lost.
  TempSettings settings;
  const std::string path = settings.path();
  ASSERT_TRUE(WriteString(path.c_str(), "X", "A\x82=B", "v"));
  EXPECT_EQ("v", ReadString(path.c_str(), "X", "A\x82=B", "default"));
  ASSERT_TRUE(WriteString(path.c_str(), "S\x82]T", "K", "w"));
  EXPECT_EQ("w", ReadString(path.c_str(), "S\x82]T", "K", "default"));
}

TEST(SettingsStore, NamesTheFormatCannotHoldRoundTrip) {
  TempSettings settings;
  const char* p = settings.path().c_str();
  const std::string path = settings.path();
  // The nick [GM]Taro keeps its counter and the keys after it survive.
  ASSERT_TRUE(WriteString(path.c_str(), "#trpg", "[GM]TARO", "5"));
  ASSERT_TRUE(WriteString(path.c_str(), "#trpg", "HANAKO", "7"));
  ASSERT_TRUE(WriteString(path.c_str(), "#trpg", "A=B", "8"));
  ASSERT_TRUE(WriteString(path.c_str(), "#trpg", "", "9"));
  ASSERT_TRUE(WriteString(path.c_str(), "#a]b", " spaced ", "10"));
  EXPECT_EQ(5, ReadInt(path.c_str(), "#trpg", "[GM]TARO", 0));
  EXPECT_EQ(7, ReadInt(path.c_str(), "#trpg", "HANAKO", 0));
  EXPECT_EQ(8, ReadInt(path.c_str(), "#trpg", "A=B", 0));
  EXPECT_EQ(9, ReadInt(path.c_str(), "#trpg", "", 0));
  EXPECT_EQ(10, ReadInt(path.c_str(), "#a]b", " spaced ", 0));
  const auto entries = ReadSection(path.c_str(), "#trpg");
  ASSERT_EQ(4u, entries.size());
  EXPECT_EQ("[GM]TARO", entries[0].first);
  EXPECT_EQ("HANAKO", entries[1].first);
  EXPECT_EQ("A=B", entries[2].first);
  EXPECT_EQ("", entries[3].first);
  // Ordinary names are stored unchanged, so existing files read as before.
  EXPECT_NE(std::string::npos, settings.Read().find("[#trpg]\r\n"));
  EXPECT_NE(std::string::npos, settings.Read().find("\r\nHANAKO=7\r\n"));
  (void)p;
}

TEST(SettingsStore, ValuesCannotOpenNewEntries) {
  TempSettings settings;
  const std::string path = settings.path();
  ASSERT_TRUE(WriteString(path.c_str(), "#trpg", "TARO.Memo", "hp 10\r\n[GameMode]\r\n#trpg=DX"));
  EXPECT_EQ("", ReadString(path.c_str(), "GameMode", "#trpg", ""));
  EXPECT_NE("", ReadString(path.c_str(), "#trpg", "TARO.Memo", ""));
}

TEST(SettingsStore, DeleteAndFailedWrites) {
  TempSettings settings;
  const std::string path = settings.path();
  WriteString(path.c_str(), "Pool", "#trpg", "1 2 ");
  EXPECT_TRUE(WriteString(path.c_str(), "Pool", "#trpg", nullptr));
  EXPECT_EQ("", ReadString(path.c_str(), "Pool", "#trpg", ""));
  WriteString(path.c_str(), "#trpg", "TARO", "1");
  EXPECT_TRUE(DeleteSection(path.c_str(), "#trpg"));
  EXPECT_EQ(0, ReadInt(path.c_str(), "#trpg", "TARO", 0));
  const std::string nowhere = settings.dir() + "missing-folder/Mirado.ini";
  EXPECT_FALSE(WriteString(nowhere.c_str(), "A", "B", "C"));
}

TEST(SettingsStore, ALongStoredListIsReadWithoutHarm) {
  TempSettings settings;
  const std::string digits(255, '7');
  settings.Write("[CriticalValue]\r\nTARO=" + digits + "\r\nHANAKO=" + std::string(300, ',') + "12,\r\n" +
                 "[FumbleValue]\r\nTARO=1," + std::string(253, '2') + "\r\n");
  int32_t crit[5] = {}, fumble[5] = {}, cc = -1, fc = -1;
  LoadCriticalFumble("TARO", crit, fumble, &cc, &fc);
  EXPECT_EQ(1, cc);
  EXPECT_EQ(mirado::ReadDecimal(digits), crit[0]);
  EXPECT_EQ(2, fc);
  EXPECT_EQ(1, fumble[0]);
  LoadCriticalFumble("HANAKO", crit, fumble, &cc, &fc);
  EXPECT_EQ(0, cc);  // the 255 bytes read are all commas
}

TEST(SettingsStore, AFailedWriteIsToldAsSuch) {
  TempSettings settings;
  const std::string path = settings.path();
  ASSERT_TRUE(std::filesystem::create_directory(path));  // nothing can be written there
  EXPECT_FALSE(WriteString(path.c_str(), "#trpg", "TARO", "5"));
  EXPECT_STREQ(kSaveFailedMessage, WriteFailureMessage());
  EXPECT_FALSE(DeleteSection(path.c_str(), "#trpg"));
  std::filesystem::remove(path);
  // A file at its bounds refuses new entries with its own answer.
  std::string full;
  const std::string padding(mirado::platform::kProfileMaxBytes / 1000, 'x');
  for (int i = 0; i < 1001; ++i) full += "[#ch" + std::to_string(i) + "]\r\nK=" + padding + "\r\n";
  settings.Write(full);
  EXPECT_FALSE(WriteString(path.c_str(), "#new", "TARO", "5"));
  EXPECT_STREQ(kSettingsFullMessage, WriteFailureMessage());
  EXPECT_TRUE(WriteString(path.c_str(), "#ch1", "K", "1"));
}

// The settings path of a folder whose Mirado.ini path is `length` bytes long.
std::string FolderForPathLength(const std::string& base, std::size_t length) {
  std::string folder = base;
  const std::size_t file = std::string("Mirado.ini").size();
  while (folder.size() + file < length) {
    const std::size_t part = std::min<std::size_t>(100, length - folder.size() - file - 1);
    folder += std::string(part, 'd') + "/";
  }
  return folder;
}

TEST(SettingsStore, TheWholeSettingsPathIsUsedOrNoneAtAll) {
  TempSettings settings;
  for (const std::size_t length : {250, 258, 259, 260, 261, 281, 400}) {
    // A Windows folder's own path is limited to 248 bytes.
    if (mirado::testing::UnderWine() && length > 250 && length < kPathSize) continue;
    const std::string folder = FolderForPathLength(settings.dir(), length);
    ASSERT_EQ(length, folder.size() + 10);
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    SetModuleDirectory(folder);
    char command_path[kPathSize] = {};  // the copy a command holds
    GetSettingsPath(command_path, sizeof command_path);
    const bool stored = WriteString(command_path, "#trpg", "TARO", "5");
    if (mirado::testing::UnderWine() && length >= kPathSize) {
      // Windows cuts longer paths: nothing is written rather than a wrong file.
      EXPECT_FALSE(stored) << length;
      EXPECT_EQ(0, ReadInt(command_path, "#trpg", "TARO", 0)) << length;
    } else {
      EXPECT_TRUE(stored) << length;
      EXPECT_EQ(5, ReadInt(command_path, "#trpg", "TARO", 0)) << length;
      EXPECT_TRUE(std::filesystem::is_regular_file(folder + "Mirado.ini", ignored)) << length;
    }
  }
  // No cut-off name anywhere on the way (Windows cannot walk into folders
  // past its path limit; what it can reach is checked).
  std::error_code walk;
  for (auto it = std::filesystem::recursive_directory_iterator(settings.dir(), walk);
       !walk && it != std::filesystem::recursive_directory_iterator(); it.increment(walk)) {
    const std::string name = it->path().filename().string();
    EXPECT_TRUE(it->is_directory() || name.rfind("Mirado.ini", 0) == 0) << name;
  }
}

}  // namespace
}  // namespace SettingsStore
