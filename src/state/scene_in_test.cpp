// Scene entry: the erosion rise of Double Cross (one ten-sided die), the
// scene count of Alshard (told to the speaker alone), and silence elsewhere.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings_store.h"
#include "support/test_support.h"

namespace {

using mirado::testing::CallCommand;
using mirado::testing::ForcedDraws;
using mirado::testing::Lines;
using mirado::testing::TempSettings;
using Answer = std::vector<std::string>;

TEST(SceneIn, DoubleCrossRaisesErosionByOneTenSidedDie) {
  TempSettings settings;
  settings.Write("[GameMode]\r\n#dx=DX\r\n[#dx]\r\nTARO=40\r\n");
  {
    ForcedDraws draws({9});  // a 10
    EXPECT_EQ(Lines(CallCommand("taro", "#dx", "#SCENE_IN")),
              (Answer{"NOTICE #dx :taro -> 侵蝕率が[10]上昇しました（40%%→50%%）"}));
  }
  {
    ForcedDraws draws({0});  // a 1
    EXPECT_EQ(Lines(CallCommand("taro", "#dx", "#SCENE_IN")),
              (Answer{"NOTICE #dx :taro -> 侵蝕率が[1]上昇しました（50%%→51%%）"}));
  }
  EXPECT_EQ(SettingsStore::ReadInt(settings.path().c_str(), "#dx", "TARO", 0), 51);
}

TEST(SceneIn, AlshardCountsScenesForTheSpeakerAlone) {
  TempSettings settings;
  settings.Write("[GameMode]\r\n#als=ALS\r\n[CharactersName]\r\nTARO=太郎\r\n");
  ForcedDraws none({});  // no die is drawn
  EXPECT_EQ(Lines(CallCommand("taro", "#als", "#SCENE_IN")),
            (Answer{"NOTICE taro :#als -> 太郎がシーンに登場しました。（現在 1 回）"}));
  EXPECT_EQ(Lines(CallCommand("taro", "#als", "#SCENEIN")),
            (Answer{"NOTICE taro :#als -> 太郎がシーンに登場しました。（現在 2 回）"}));
}

TEST(SceneIn, OtherModesAndSharedSectionsGetNothingDone) {
  TempSettings settings;
  settings.Write("[GameMode]\r\n#sw=SW\r\nPool=DX\r\n");
  ForcedDraws none({});
  EXPECT_TRUE(CallCommand("taro", "#sw", "#SCENE_IN").empty());
  EXPECT_TRUE(CallCommand("taro", "#none", "#SCENE_IN").empty());
  // A private conversation named as a shared section ("Pool") keeps no
  // counters: it is told so, and the file is not touched.
  const std::string before = settings.Read();
  const auto refused = Lines(CallCommand("Pool", "Pool", "#SCENE_IN"));
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_EQ(refused[0].rfind("NOTICE Pool :Pool -> ", 0), 0u);
  EXPECT_EQ(before, settings.Read());
}

}  // namespace
