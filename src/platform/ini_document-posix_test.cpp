// The POSIX store's in-memory settings file: lines read as the Windows
// profile functions read them, rewrites that keep every other line, and the
// bounds on new entries.
#include "platform/ini_document.h"

#include <gtest/gtest.h>

#include <string>

namespace mirado::platform {
namespace {

constexpr IniLimits kRoomy{100, 100, 1 << 20};

TEST(IniDocument, ReadsSectionsKeysCommentsAndOddLines) {
  const IniDocument doc = IniDocument::Parse(
      "preamble=ignored\n; a comment\r\n[GameMode]\r\n #trpg = DX \r\nnovalue\r\n[gamemode]\r\n#trpg=SW\r\n"
      "[Pool]x\r\n#trpg=B1\r\n[\r\nbad=1\r\n");
  // Names compare without case; the first of two sections with one name wins.
  ASSERT_NE(doc.Find("GAMEMODE", "#TRPG"), nullptr);
  EXPECT_EQ(doc.Find("GAMEMODE", "#TRPG")->value, "DX");
  const IniLine* bare = doc.Find("GameMode", "novalue");
  ASSERT_NE(bare, nullptr);
  EXPECT_FALSE(bare->has_value);
  // A header holding "]" opens its section whatever follows; "[" alone is a
  // key line, so the lines after it stay in the section before.
  ASSERT_NE(doc.Find("Pool", "#trpg"), nullptr);
  ASSERT_NE(doc.Find("Pool", "bad"), nullptr);
  EXPECT_EQ(doc.Find("Pool", "bad")->value, "1");
  EXPECT_EQ(doc.Find("", "preamble"), nullptr);  // the preamble is no section
}

TEST(IniDocument, ChangesKeepEveryOtherLineAndWriteCrLf) {
  IniDocument doc = IniDocument::Parse("; keep me\n[A]\none=1\n\n[B]\ntwo=2\n");
  EXPECT_EQ(doc.Put("A", "three", " 3 ", kRoomy), IniEdit::kChanged);
  EXPECT_EQ(doc.Put("A", "one", "1", kRoomy), IniEdit::kUnchanged);
  EXPECT_EQ(doc.Put("C", "x", "y", kRoomy), IniEdit::kChanged);
  EXPECT_EQ(doc.DeleteKey("B", "two"), IniEdit::kChanged);
  EXPECT_EQ(doc.DeleteKey("B", "missing"), IniEdit::kUnchanged);
  // The new key follows the last non-blank line of its section.
  EXPECT_EQ(doc.Serialize(), "; keep me\r\n[A]\r\none=1\r\nthree=3\r\n\r\n[B]\r\n[C]\r\nx=y\r\n");
  EXPECT_EQ(doc.DeleteSection("a"), IniEdit::kChanged);
  EXPECT_EQ(doc.Find("A", "one"), nullptr);
  EXPECT_EQ(IniDocument::Parse(doc.Serialize()).Serialize(), doc.Serialize());
}

TEST(IniDocument, NewEntriesStopAtTheBounds) {
  IniDocument doc;
  const IniLimits limits{2, 3, 64};
  EXPECT_EQ(doc.Put("A", "k1", "v", limits), IniEdit::kChanged);
  EXPECT_EQ(doc.Put("B", "k2", "v", limits), IniEdit::kChanged);
  EXPECT_EQ(doc.Put("C", "k3", "v", limits), IniEdit::kFull);  // a third section
  EXPECT_EQ(doc.Put("A", "k3", "v", limits), IniEdit::kChanged);
  EXPECT_EQ(doc.Put("A", "k4", "v", limits), IniEdit::kFull);  // a fourth key
  EXPECT_EQ(doc.Put("A", "k1", std::string(100, 'x'), limits), IniEdit::kFull);  // the file past 64 bytes
  // What exists can always be changed (smaller) or removed.
  EXPECT_EQ(doc.Put("A", "k1", "w", limits), IniEdit::kChanged);
  EXPECT_EQ(doc.DeleteSection("B"), IniEdit::kChanged);
  EXPECT_EQ(doc.Put("C", "k5", "v", limits), IniEdit::kChanged);
}

}  // namespace
}  // namespace mirado::platform
