// The settings (INI) store: the same semantics on both systems (the Windows
// build runs these against the real private-profile functions).
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
  if (mirado::testing::UnderWine()) GTEST_SKIP() << "wine returns lines without '=' in a section read";
  settings.Write("[#trpg]\r\nTARO=3\r\nno equals sign\r\nTARO.Memo=hp 10\r\n[Other]\r\nX=1\r\n");
  const std::string section = ProfileGetSection(settings.path(), "#TRPG", 1024);
  EXPECT_EQ(std::string("TARO=3\0TARO.Memo=hp 10\0\0", 24), section);
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

}  // namespace
}  // namespace mirado::platform
