// The settings (INI) store: the same semantics on both systems (the Windows
// build runs these against the real private-profile functions).
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "support/test_support.h"

namespace mirado::platform {
namespace {

using mirado::testing::TempSettings;

std::string Get(const std::string& path, const char* section, const char* key, const char* def = "") {
  return ProfileGetString(path, section, key, def, 256);
}

bool Put(const std::string& path, const char* section, const char* key, const char* value) {
  const std::string k = key, v = value != nullptr ? value : "";
  return ProfileWriteString(path, section, &k, value != nullptr ? &v : nullptr);
}

TEST(ProfileStore, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
  TempSettings settings;
  EXPECT_EQ("dflt", Get(settings.path(), "GameMode", "#trpg", "dflt"));
  EXPECT_EQ(7, ProfileGetInt(settings.path(), "#trpg", "TARO", 7));
  EXPECT_TRUE(Put(settings.path(), "GameMode", "#trpg", "DX"));
  EXPECT_EQ("[GameMode]\r\n#trpg=DX\r\n", settings.Read());
}

// A hand edit of the same size made within a clock tick of the store's read
// keeps the file's size and modification time: the store must still see it.
// The modification time is set to a moment no read can be safely after (a
// few seconds ahead) and restored after each in-place edit, as a coarse
// clock would leave it.
TEST(ProfileStore, SameSizeEditsWithTheSameTimeAreSeen) {
  mirado::testing::TempSettings settings;
  const std::filesystem::path file = settings.path();
  const auto edit = [&](const std::string& content, std::filesystem::file_time_type time) {
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);  // in place: same inode
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    std::filesystem::last_write_time(file, time);
  };
  settings.Write("[s]\r\nk=aaaa\r\n");
  const auto time = std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5);
  std::filesystem::last_write_time(file, time);
  EXPECT_EQ("aaaa", Get(settings.path(), "s", "k"));
  edit("[s]\r\nk=bbbb\r\n", time);
  EXPECT_EQ("bbbb", Get(settings.path(), "s", "k"));
  edit("[s]\r\nk=cccc\r\n", time);
  EXPECT_EQ("cccc", Get(settings.path(), "s", "k"));
  // A write of the store's own, then a hand edit within the same tick.
  EXPECT_TRUE(Put(settings.path(), "s", "k", "dddd"));
  const auto written = std::filesystem::last_write_time(file);
  const std::string content = settings.Read();
  std::string edited = content;
  edited.replace(edited.find("dddd"), 4, "eeee");
  edit(edited, written);
  EXPECT_EQ("eeee", Get(settings.path(), "s", "k"));
}

TEST(ProfileStore, NamesCompareWithoutLetterCase) {
  TempSettings settings;
  Put(settings.path(), "GameMode", "#Trpg", "DX");
  EXPECT_EQ("DX", Get(settings.path(), "GAMEMODE", "#TRPG"));
  Put(settings.path(), "gamemode", "#TRPG", "SW");  // same key: keeps the case it was written with
  EXPECT_EQ("[GameMode]\r\n#Trpg=SW\r\n", settings.Read());
}

TEST(ProfileStore, NewKeysAndSectionsAreAppended) {
  TempSettings settings;
  Put(settings.path(), "A", "one", "1");
  Put(settings.path(), "B", "two", "2");
  Put(settings.path(), "A", "three", "  3  ");
  if (mirado::testing::UnderWine()) GTEST_SKIP() << "wine keeps trailing spaces of a written value";
  EXPECT_EQ("[A]\r\none=1\r\nthree=3\r\n[B]\r\ntwo=2\r\n", settings.Read());
}

TEST(ProfileStore, DeletesKeysAndSections) {
  TempSettings settings;
  Put(settings.path(), "A", "one", "1");
  Put(settings.path(), "A", "two", "2");
  Put(settings.path(), "B", "x", "9");
  EXPECT_TRUE(Put(settings.path(), "A", "one", nullptr));
  EXPECT_EQ("", Get(settings.path(), "A", "one"));
  EXPECT_EQ("2", Get(settings.path(), "A", "two"));
  EXPECT_TRUE(ProfileWriteString(settings.path(), "A", nullptr, nullptr));
  EXPECT_EQ("", Get(settings.path(), "A", "two"));
  EXPECT_EQ("9", Get(settings.path(), "B", "x"));
  EXPECT_TRUE(Put(settings.path(), "Nowhere", "none", nullptr));
  EXPECT_TRUE(ProfileWriteString(settings.path(), "Nowhere", nullptr, nullptr));
}

TEST(ProfileStore, ReadsWholeSectionsInFileOrder) {
  TempSettings settings;
  // A key line without '=' is read as a key without a value, as Windows
  // reads it: its name alone; comments and blank lines are left out.
  settings.Write("[#trpg]\r\nTARO=3\r\nno equals sign\r\n;note\r\n\r\nTARO.Memo=hp 10\r\n[Other]\r\nX=1\r\n");
  const std::string section = ProfileGetSection(settings.path(), "#TRPG", 1024);
  EXPECT_EQ(std::string("TARO=3\0no equals sign\0TARO.Memo=hp 10\0\0", 39), section);
  settings.Write("[#trpg]\r\nTARO=3\r\nTARO.Memo=hp 10\r\n[Other]\r\nX=1\r\n");
  EXPECT_EQ(std::string("\0\0", 2), ProfileGetSection(settings.path(), "Missing", 1024));
  // Too small a buffer: the last entry is cut.
  EXPECT_EQ(std::string("TARO=3\0TA\0\0", 11), ProfileGetSection(settings.path(), "#trpg", 11));
}

TEST(ProfileStore, HandEditsAreSeenByTheNextRead) {
  TempSettings settings;
  Put(settings.path(), "#trpg", "TARO", "1");
  EXPECT_EQ(1, ProfileGetInt(settings.path(), "#trpg", "TARO", 0));
  settings.Write("[#trpg]\nTARO=2\n");  // same size, LF only, edited by hand
  EXPECT_EQ(2, ProfileGetInt(settings.path(), "#trpg", "TARO", 0));
  settings.Write("[#trpg]\r\nTARO=12345");  // no final newline
  EXPECT_EQ(12345, ProfileGetInt(settings.path(), "#trpg", "TARO", 0));
}

TEST(ProfileStore, IntegersReadLikeWindows) {
  TempSettings settings;
  settings.Write("[N]\r\na= 42\r\nb=-7\r\nc=0x1F\r\nd=99999999999\r\ne=abc\r\nf=\r\ng=12abc\r\n");
  const std::string p = settings.path();
  EXPECT_EQ(42, ProfileGetInt(p, "N", "a", 0));
  EXPECT_EQ(-7, ProfileGetInt(p, "N", "b", 0));
  EXPECT_EQ(31, ProfileGetInt(p, "N", "c", 0));
  EXPECT_EQ(1215752191, ProfileGetInt(p, "N", "d", 0));
  EXPECT_EQ(0, ProfileGetInt(p, "N", "e", 5));
  EXPECT_EQ(5, ProfileGetInt(p, "N", "f", 5));  // an empty value gives the default
  EXPECT_EQ(12, ProfileGetInt(p, "N", "g", 5));
}

TEST(ProfileStore, ValuesAreTrimmedUnquotedAndCut) {
  TempSettings settings;
  settings.Write("[V]\r\n  key  =  spaced value  \r\nq=\"q v\"\r\ns='s'\r\nlone=\"x\r\n");
  const std::string p = settings.path();
  EXPECT_EQ("spaced value", Get(p, "V", "key"));
  EXPECT_EQ("q v", Get(p, "V", "q"));
  EXPECT_EQ("s", Get(p, "V", "s"));
  EXPECT_EQ("\"x", Get(p, "V", "lone"));
  Put(p, "V", "long", std::string(2000, 'x').c_str());
  EXPECT_EQ(std::string(255, 'x'), Get(p, "V", "long"));
}

TEST(ProfileStore, GarbageLinesAreReadWithoutHarmAndKept) {
  TempSettings settings;
  std::string garbage = "junk before any section\r\n[\r\n]]]\r\n=novalue\r\n[A]\r\n\x81\r\n;comment\r\nk=v\r\n";
  garbage += std::string("\0\xff\xfe binary\r\n", 13);
  settings.Write(garbage);
  EXPECT_EQ("v", Get(settings.path(), "A", "k"));
  EXPECT_TRUE(Put(settings.path(), "A", "k2", "w"));
  EXPECT_EQ("w", Get(settings.path(), "A", "k2"));
  EXPECT_NE(std::string::npos, settings.Read().find("junk before any section"));
}

TEST(ProfileStore, FirstOfTwoSectionsWithOneNameWins) {
  TempSettings settings;
  settings.Write("[A]\r\nk=first\r\n[B]\r\nx=1\r\n[a]\r\nk=second\r\n");
  EXPECT_EQ("first", Get(settings.path(), "A", "k"));
  Put(settings.path(), "A", "k", "changed");
  EXPECT_EQ("changed", Get(settings.path(), "A", "k"));
  EXPECT_NE(std::string::npos, settings.Read().find("k=second"));
}

TEST(ProfileStore, ShiftJisNamesAndValuesArePlainBytes) {
  TempSettings settings;
  const char* name = "\x83\x5C\x81\x5B\x83\x68";  // a name with a 0x5C trail byte
  Put(settings.path(), "CharactersName", "TARO", name);
  Put(settings.path(), name, "KEY", "1");
  EXPECT_EQ(name, Get(settings.path(), "CharactersName", "TARO"));
  EXPECT_EQ("1", Get(settings.path(), name, "key"));
}

TEST(ProfileStore, OneCallLooksAtTheFileOnceAndTheNextCallSeesHandEdits) {
  TempSettings settings;
  if (mirado::testing::UnderWine()) GTEST_SKIP() << "the Windows functions read the file every time";
  settings.Write("[#trpg]\r\nTARO=1\r\n");
  {
    ProfileCall call;
    EXPECT_EQ(1, ProfileGetInt(settings.path(), "#trpg", "TARO", 0));
    settings.Write("[#trpg]\r\nTARO=22\r\n");
    EXPECT_EQ(1, ProfileGetInt(settings.path(), "#trpg", "TARO", 0));  // trusted within the call
    // The file changed after this call read it: its change could rest on an
    // old value, so it is refused and the call is to be run again.
    EXPECT_FALSE(Put(settings.path(), "#trpg", "HANAKO", "3"));
    EXPECT_TRUE(CallConflicted());
    EXPECT_FALSE(Put(settings.path(), "#trpg", "JIRO", "4"));  // nothing more this call
  }
  {
    ProfileCall again(true);
    EXPECT_EQ(22, ProfileGetInt(settings.path(), "#trpg", "TARO", 0));
    EXPECT_TRUE(Put(settings.path(), "#trpg", "HANAKO", "3"));
    EXPECT_FALSE(CallConflicted());
  }
  EXPECT_EQ("[#trpg]\r\nTARO=22\r\nHANAKO=3\r\n", settings.Read());
  settings.Write("[#trpg]\r\nTARO=333\r\n");
  ProfileCall next;
  EXPECT_EQ(333, ProfileGetInt(settings.path(), "#trpg", "TARO", 0));
}

TEST(ProfileStore, ACallThatOnlyChangesOrReadsAnUnchangedFileNeverConflicts) {
  TempSettings settings;
  settings.Write("[#trpg]\r\nTARO=1\r\n");
  {
    ProfileCall call;
    settings.Write("[#trpg]\r\nTARO=5\r\n");  // before this call's first access
    EXPECT_TRUE(Put(settings.path(), "#trpg", "TARO", "6"));
    EXPECT_FALSE(CallConflicted());
  }
  {
    ProfileCall call;
    EXPECT_EQ(6, ProfileGetInt(settings.path(), "#trpg", "TARO", 0));
    EXPECT_TRUE(Put(settings.path(), "#trpg", "TARO", "7"));
    EXPECT_TRUE(Put(settings.path(), "#trpg", "JIRO", "1"));
    EXPECT_FALSE(CallConflicted());
  }
  EXPECT_EQ("[#trpg]\r\nTARO=7\r\nJIRO=1\r\n", settings.Read());
}

TEST(ProfileStore, DeletingTheFirstOfTwoSectionsRevealsTheSecond) {
  TempSettings settings;
  settings.Write("[A]\r\nk=first\r\nk=shadowed\r\n[a]\r\nk=second\r\n");
  EXPECT_TRUE(Put(settings.path(), "A", "k", nullptr));
  EXPECT_EQ("shadowed", Get(settings.path(), "A", "k"));
  EXPECT_TRUE(ProfileWriteString(settings.path(), "A", nullptr, nullptr));
  EXPECT_EQ("second", Get(settings.path(), "A", "k"));
}

TEST(ProfileStore, HandEditedLinesReadAsWindowsReadsThem) {
  TempSettings settings;
  settings.Write("[A]\r\nhex=0x1f\r\nupper=0X1f\r\nbare\r\n[broken\r\nafter=2\r\n[B\r\n");
  const std::string p = settings.path();
  // A default keeps its leading spaces and loses its trailing ones.
  EXPECT_EQ("  taro", Get(p, "A", "missing", "  taro  "));
  EXPECT_EQ(31, ProfileGetInt(p, "A", "hex", 5));
  EXPECT_EQ(0, ProfileGetInt(p, "A", "upper", 5));  // only a lower-case 0x reads as hex
  // A key without '=' has no value: its default is read, and writing it
  // gives it one in place.
  EXPECT_EQ("dflt", Get(p, "A", "bare", "dflt"));
  EXPECT_EQ(5, ProfileGetInt(p, "A", "bare", 5));
  // "[broken" opens no section: the key after it stays in [A].
  EXPECT_EQ("2", Get(p, "A", "after"));
  EXPECT_EQ("", Get(p, "broken", "after"));
  EXPECT_TRUE(Put(p, "A", "bare", "1"));
  EXPECT_EQ("1", Get(p, "A", "bare"));
  EXPECT_EQ(std::string::npos, settings.Read().find("\r\nbare\r\n"));
}

TEST(ProfileStore, AFolderWhereTheFileShouldBeIsNeitherReadNorReplaced) {
  TempSettings settings;
  ASSERT_TRUE(std::filesystem::create_directory(settings.path()));
  EXPECT_EQ("d", Get(settings.path(), "A", "k", "d"));
  EXPECT_FALSE(Put(settings.path(), "A", "k", "v"));
  EXPECT_EQ(ProfileWriteError::kFailed, ProfileLastWriteError());
  EXPECT_TRUE(std::filesystem::is_directory(settings.path()));
  EXPECT_FALSE(Put("", "A", "k", "v"));
}

TEST(ProfileStore, NewEntriesAreRefusedPastTheBounds) {
  TempSettings settings;
  // Sections and keys at their bounds, and a file past its size bound.
  std::string content;
  const std::size_t per_section = kProfileMaxKeys / kProfileMaxSections;
  const std::string padding(kProfileMaxBytes / kProfileMaxKeys, 'x');
  for (std::size_t s = 0; s < kProfileMaxSections; ++s) {
    content += "[#ch" + std::to_string(s) + "]\r\n";
    for (std::size_t k = 0; k < per_section; ++k) content += "K" + std::to_string(k) + "=" + padding + "\r\n";
  }
  settings.Write(content);
  const std::string p = settings.path();
  EXPECT_FALSE(Put(p, "#ch0", "NEW", "1"));
  EXPECT_EQ(ProfileWriteError::kFull, ProfileLastWriteError());
  EXPECT_FALSE(Put(p, "#new", "K0", "1"));
  EXPECT_EQ(ProfileWriteError::kFull, ProfileLastWriteError());
  EXPECT_EQ("", Get(p, "#new", "K0"));
  // What exists can still be changed and deleted.
  std::string changed = padding;
  changed[0] = 'y';
  EXPECT_TRUE(Put(p, "#ch1", "K1", changed.c_str()));
  EXPECT_EQ(ProfileWriteError::kNone, ProfileLastWriteError());
  EXPECT_EQ(changed.substr(0, 255), Get(p, "#ch1", "K1"));
  EXPECT_TRUE(Put(p, "#ch1", "K2", nullptr));
  EXPECT_TRUE(ProfileWriteString(p, "#ch2", nullptr, nullptr));
  EXPECT_EQ("", Get(p, "#ch2", "K0"));
}

TEST(ProfileStore, TemporaryFilesOfKilledWritersAreRemoved) {
  TempSettings settings;
  settings.Write("[A]\r\nk=1\r\n");
  for (const char* left : {"Mirado.ini.tmp4242", "Mirado.ini.tmp7"}) {
    std::ofstream(settings.dir() + left) << "[A]\r\nk=";
  }
  std::ofstream(settings.dir() + "Mirado.ini.tmpnotes") << "kept";
  EXPECT_TRUE(Put(settings.path(), "A", "k", "2"));
  if (mirado::testing::UnderWine()) GTEST_SKIP() << "the Windows functions write in place";
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(settings.dir())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ((std::vector<std::string>{"Mirado.ini", "Mirado.ini.lock", "Mirado.ini.tmpnotes"}), names);
}

TEST(ProfileStore, ThreadsWritingAtOnceLoseNothing) {
  TempSettings settings;
  const std::string p = settings.path();
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&p, t] {
      const std::string key = "T" + std::to_string(t);
      for (int i = 1; i <= 25; ++i) {
        // Run again while another thread's write makes the call conflict, as
        // the entry points do.
        for (bool again = false;; again = true) {
          ProfileCall call(again);
          const int before = ProfileGetInt(p, "#trpg", key.c_str(), 0);
          Put(p, "#trpg", key.c_str(), std::to_string(before + 1).c_str());
          if (!CallConflicted()) break;
        }
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(25, ProfileGetInt(p, "#trpg", ("T" + std::to_string(t)).c_str(), 0));
}

}  // namespace
}  // namespace mirado::platform
