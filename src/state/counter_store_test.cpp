// The counter's store: the memo key, the sections a private talk may not
// use, and raising a counter within its bounds, its answer and its file.
#include "state/counter_store.h"

#include <gtest/gtest.h>

#include <string>

#include "core/settings_store.h"
#include "support/test_support.h"

namespace CounterStore {
namespace {

using mirado::testing::Lines;
using mirado::testing::TempSettings;

// A command that does nothing itself, run for its context.
class Bare : public BotCommand::BotCommandAbstract {
 public:
  void Execute() override {}
};

TEST(CounterStore, MemoKeyIsNeverCut) {
  EXPECT_EQ(MemoKey("TARO"), "TARO.Memo");
  const std::string long_key(255, 'K');
  EXPECT_EQ(MemoKey(long_key), long_key + ".Memo");
}

TEST(CounterStore, SharedSectionsAreTheFilesOwn) {
  for (const char* name : {"CharactersName", "gamemode", "ClosedDice", "Pool", "pool.mode"}) {
    EXPECT_TRUE(IsSharedSection(name)) << name;
  }
  for (const char* name : {"#trpg", "&local", "taro", "Pools"}) EXPECT_FALSE(IsSharedSection(name)) << name;
}

TEST(CounterStore, RaisingStaysWithinTheBoundsAndStoresOnlyWhatItTells) {
  TempSettings settings;
  settings.Write("[#trpg]\r\nTARO=999999990\r\n");
  char output[4096] = {};
  BotCommand::ParamArea params = {};
  Bare command;
  command.Init(output, "#trpg", "taro", "#X", "", params);
  const auto report = [](int32_t before, int32_t after) {
    return std::to_string(before) + "->" + std::to_string(after);
  };
  EXPECT_TRUE(RaiseCounter(command, "#trpg", "TARO", 9, "#trpg", "taro", report));
  EXPECT_EQ(Lines(output), (std::vector<std::string>{"NOTICE #trpg :taro -> 999999990->999999999"}));
  // One more is past the bound: refused, told, and nothing stored.
  command.Reply.Clear();
  EXPECT_FALSE(RaiseCounter(command, "#trpg", "TARO", 1, "#trpg", "taro", report));
  EXPECT_EQ(Lines(output).size(), 1u);
  EXPECT_EQ(SettingsStore::ReadInt(settings.path().c_str(), "#trpg", "TARO", 0), 999999999);
  // Downwards from an absent counter (0), to the lower bound and past it.
  command.Reply.Clear();
  EXPECT_TRUE(RaiseCounter(command, "#trpg", "HANAKO", -999999999, "#trpg", "hanako", report));
  EXPECT_FALSE(RaiseCounter(command, "#trpg", "HANAKO", -1, "#trpg", "hanako", report));
  EXPECT_EQ(SettingsStore::ReadInt(settings.path().c_str(), "#trpg", "HANAKO", 0), -999999999);
}

TEST(CounterStore, AnAnswerThatCannotBeSentStoresNothing) {
  TempSettings settings;
  std::string output(4096, '\0');
  std::fill(output.begin(), output.begin() + 4080, 'h');  // the host left 15 bytes
  BotCommand::ParamArea params = {};
  Bare command;
  command.Init(output.data(), "#trpg", "taro", "#X", "", params);
  EXPECT_FALSE(RaiseCounter(command, "#trpg", "TARO", 5, "#trpg", "taro",
                            [](int32_t, int32_t) { return std::string("raised by five"); }));
  EXPECT_EQ(SettingsStore::ReadInt(settings.path().c_str(), "#trpg", "TARO", -1), -1);
  EXPECT_EQ(std::string(output.c_str()), std::string(4080, 'h'));
}

}  // namespace
}  // namespace CounterStore
