// Help, registration, game mode and leaving: what the transcripts cannot
// reach (every game mode, a settings file that cannot be written, the host's
// text in the buffer, hostile lines).
#include <cctype>
#include <cstring>
#include <filesystem>

#include "core/game_mode.h"
#include "core/settings_store.h"
#include "core/text.h"
#include "mirado/mirado.h"
#include "plugin/release_info.h"
#include "support/test_support.h"

namespace BotCommand {
namespace {

using mirado::testing::CallCommand;
using mirado::testing::Lines;
using Answer = std::vector<std::string>;

class PluginCommandsTest : public ::testing::Test {
 protected:
  Answer Say(const std::string& text, const std::string& channel = "#trpg") {
    return Lines(CallCommand("taro", channel, text));
  }
  std::string CallPart(const std::string& channel, std::string buffer = "") {
    buffer.resize(4096, '\0');
    ::Part("taro", "", "", "", channel.c_str(), "ignored", buffer.data());
    return buffer.c_str();
  }
  // Makes the settings file impossible to write: a folder stands in its place.
  void BreakSettingsFile() { std::filesystem::create_directory(settings_.path()); }

  mirado::testing::TempSettings settings_;
};

TEST_F(PluginCommandsTest, EveryGameModeIsSetByItsCodeAndStoredAsIt) {
  ASSERT_EQ(25u, mirado::kGameModeCount);
  std::string before = "未設定";
  std::string before_code;
  for (std::size_t i = 0; i < mirado::kGameModeCount; ++i) {
    const auto& mode = mirado::kGameModeTable[i];
    SCOPED_TRACE(mode.code);
    std::string lower = mode.code;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(Answer{"NOTICE #trpg :#trpg のモード「" + before + before_code + "」を「" + mode.name + "(" + mode.code +
                     ")」に設定しました。"},
              Say("#MODE " + lower));
    EXPECT_EQ(mode.code, SettingsStore::ReadString(settings_.path().c_str(), "GameMode", "#trpg", ""));
    before = mode.name;
    before_code = std::string("(") + mode.code + ")";
  }
  EXPECT_STREQ("？？？", mirado::kGameModeTable[23].name);
  EXPECT_STREQ("？？？", mirado::kGameModeTable[24].name);
}

TEST_F(PluginCommandsTest, AFailedWriteIsToldAndNothingElseClaimed) {
  BreakSettingsFile();
  EXPECT_EQ(Answer{"NOTICE #trpg :taro -> 設定ファイルの書込に失敗しました"}, Say("#REG タロウ"));
  EXPECT_EQ(Answer{"NOTICE #trpg :設定ファイルの書込に失敗しました。"}, Say("#MODE DX"));
  // (Resetting a mode that is not stored has nothing to write, so it succeeds.)
  // Showing the mode writes nothing, so it still answers.
  EXPECT_EQ(Answer{"NOTICE #trpg :#trpg のモードは「未設定」です"}, Say("#MODE ?"));
}

TEST_F(PluginCommandsTest, LongNamesAreCutAtACharacter) {
  // 200 あ are 400 bytes; a name keeps 255, so 127 whole characters.
  std::string name;
  for (int i = 0; i < 200; ++i) name += "あ";
  const std::string kept = name.substr(0, 254);
  EXPECT_EQ(Answer{"NOTICE #trpg :taro ->「" + kept + "」を新規登録しました。"}, Say("#REG " + name));
  EXPECT_EQ(kept, SettingsStore::ReadString(settings_.path().c_str(), "CharactersName", "TARO", "", 1024));
  mirado::testing::PinnedRandom pinned(1);
  const Answer roll = Say("#1D6");
  ASSERT_EQ(roll.size(), 1u);
  EXPECT_EQ(roll[0].rfind("NOTICE #trpg :" + kept + " -> 1D6 = [", 0), 0u);
  // A value cut by hand in the middle of a character reads without its half.
  settings_.Write("[CharactersName]\r\nTARO=" + std::string(kept) + "\x82\r\n");
  EXPECT_EQ(Say("#1D6")[0].rfind("NOTICE #trpg :" + kept + " -> 1D6 = [", 0), 0u);
}

TEST_F(PluginCommandsTest, AnswersGoAfterTheHostsTextAndStayOneLineEach) {
  std::string buffer(4096, '\0');
  std::memcpy(buffer.data(), "HOST", 4);
  ::Command("taro", "", "", "", "#trpg", "#HELP", buffer.data());
  const std::string help = buffer.c_str();
  EXPECT_EQ(0u, help.rfind("HOST\r\nnotice #trpg :>", 0)) << help;
  EXPECT_EQ(4u, Lines(help).size());
  // A name holding control bytes cannot open a second IRC line.
  EXPECT_EQ(1u, Say("#REG a\rPRIVMSG\n#x").size());
}

TEST_F(PluginCommandsTest, PartEndsWithItsPartLineOnlyForChannels) {
  const std::string part_line = std::string("PART #room :MIRADO for TRPG v.2013/01/15 ") + kShortUrl;
  Answer lines = Lines(CallPart("#room"));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(part_line, lines.back());
  // The host's text stays in front.
  lines = Lines(CallPart("#room", "HOST"));
  EXPECT_EQ("HOST", lines.front());
  EXPECT_EQ(part_line, lines.back());
  for (const char* channel : {"taro", "#", "", "mirado"}) {
    for (const std::string& line : Lines(CallPart(channel))) EXPECT_EQ(std::string::npos, line.find("PART")) << line;
  }
  // A full buffer: the PART line is left out rather than cut.
  const std::string full(4000, 'x');
  const std::string result = CallPart("#room", full);
  EXPECT_LT(result.size(), 4096u);
  EXPECT_EQ(0u, result.rfind(full, 0));
}

TEST_F(PluginCommandsTest, BadLinesGetTheirAnswerOrNone) {
  const std::string long_word(1017, '\x82');
  for (const char* word : {"#HELP", "#REG", "#MODE"}) {
    for (const std::string& rest : {std::string(" ? ? ? ? ? ? ?"), std::string(" ") + long_word, std::string(" \x81"),
                                    std::string(" ") + std::string(1018, 'z')}) {
      const std::string reply = CallCommand("taro", "#trpg", std::string(word) + rest);
      EXPECT_LT(reply.size(), 4096u);
      for (const std::string& line : Lines(reply)) {
        EXPECT_TRUE(line.rfind("NOTICE #trpg :", 0) == 0 || line.rfind("notice #trpg :", 0) == 0) << line;
      }
    }
  }
  std::string hostile;
  for (int i = 0; i < 1023; ++i) hostile += static_cast<char>(1 + (i * 53) % 255);
  ::Part(hostile.c_str(), "", "", "", hostile.c_str(), hostile.c_str(), std::string(4096, '\0').data());
  ::Alias(hostile.c_str(), "", "", "", "#trpg", hostile.c_str(), std::string(4096, '\0').data());
  ::Alias("taro", nullptr, nullptr, nullptr, "#trpg", nullptr, std::string(4096, '\0').data());
  ::Part(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace
}  // namespace BotCommand
