// Resurrection at its bound: the largest request rolls every die of it, in
// the generator's order, and the answer holds them all.
#include <gtest/gtest.h>

#include <string>

#include "core/settings_store.h"
#include "support/test_support.h"

namespace {

using mirado::testing::CallCommand;
using mirado::testing::Lines;
using mirado::testing::PinnedRandom;
using mirado::testing::TempSettings;

TEST(DX_Resurrect, NinetyNineDiceAreRolledAndShown) {
  TempSettings settings;
  settings.Write("[GameMode]\r\n#dx=DX\r\n[#dx]\r\nTARO=30\r\n");
  PinnedRandom pinned(11);
  std::string faces;
  int sum = 0;
  for (int face : pinned.Dice(99, 10)) {
    faces += (faces.empty() ? "" : ",") + std::to_string(face);
    sum += face;
  }
  const auto lines = Lines(CallCommand("taro", "#dx", "#DX_RESURRECT リザレクト99"));
  ASSERT_EQ(1u, lines.size());
  EXPECT_EQ("NOTICE #dx :taro -> HPが[" + faces + ":" + std::to_string(sum) + "]回復、侵蝕率が[" + std::to_string(sum) +
                "]上昇しました（30%%→" + std::to_string(30 + sum) + "%%）",
            lines[0]);
  EXPECT_EQ(30 + sum, SettingsStore::ReadInt(settings.path().c_str(), "#dx", "TARO", 0));
}

}  // namespace
