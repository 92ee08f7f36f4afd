// Loads the built plug-in library from a folder of its own, exactly as a host
// does, and calls its entry points through the C interface.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "plugin_loader.h"
#include "support/test_support.h"

namespace mirado::testing {
namespace {

namespace fs = std::filesystem;

class AbiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path built = Flag("plugin");
    ASSERT_FALSE(built.empty()) << "run with --plugin=PATH";
    dir_ =
        fs::temp_directory_path() / ("mirado-abi-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                     "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    copy_ = dir_ / built.filename();
    fs::copy_file(built, copy_);
    std::string error;
    plugin_ = host::Plugin::Load(copy_.string(), &error);
    ASSERT_TRUE(plugin_) << error;
  }
  void TearDown() override {
    plugin_.reset();
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  fs::path dir_, copy_;
  std::unique_ptr<host::Plugin> plugin_;
};

TEST_F(AbiTest, RollAnswersInTheChannel) {
  const auto lines = plugin_->Command("taro", "#trpg", "#2D6+3");
  ASSERT_EQ(1u, lines.size());
  EXPECT_TRUE(
      std::regex_match(lines[0], std::regex(R"(NOTICE #trpg :taro -> 2D6\+3 = \[[1-6],[1-6]\]\+3 = ([5-9]|1[0-5]))")))
      << lines[0];
}

TEST_F(AbiTest, PrivateTalkAnswersTheSpeakerAndChatStaysQuiet) {
  const auto lines = plugin_->Command("taro", "mirado", "#7/2");
  ASSERT_EQ(1u, lines.size());
  EXPECT_EQ("NOTICE taro :taro -> 7/2 = 3.5", lines[0]);
  EXPECT_TRUE(plugin_->Command("taro", "#trpg", "hello everyone").empty());
}

TEST_F(AbiTest, SettingsFileLivesBesideTheLibrary) {
  // An RC roll stores the erosion rate beside the loaded copy of the library.
  const auto lines = plugin_->Command("taro", "#trpg", "#2RC");
  ASSERT_EQ(2u, lines.size());
  std::ifstream in(dir_ / "Mirado.ini", std::ios::binary);
  ASSERT_TRUE(in);
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(std::string::npos, content.find("[#trpg]\r\nTARO=")) << content;
}

TEST_F(AbiTest, AliasRewritesPhrasesAndPartLeaves) {
  ASSERT_TRUE(plugin_->HasAlias());
  ASSERT_TRUE(plugin_->HasPart());
  // "ゲームモード ダブルクロス" and the answer naming ダブルクロス(DX), code page 932.
  const auto lines = plugin_->Alias("taro", "#trpg",
                                    "\x83\x51\x81\x5B\x83\x80\x83\x82\x81\x5B\x83\x68 "
                                    "\x83\x5F\x83\x75\x83\x8B\x83\x4E\x83\x8D\x83\x58");
  ASSERT_EQ(1u, lines.size());
  EXPECT_NE(std::string::npos, lines[0].find("(DX)")) << lines[0];
  EXPECT_TRUE(plugin_->Alias("taro", "#trpg", "hello everyone").empty());
  EXPECT_TRUE(plugin_->Alias("taro", "#trpg", "#2D6").empty());  // Command's business, not Alias's
  const auto part = plugin_->Part("taro", "#trpg", "");
  ASSERT_FALSE(part.empty());
  EXPECT_EQ(0u, part.back().rfind("PART #trpg :MIRADO for TRPG v.2013/01/15 ", 0)) << part.back();
  for (const auto& line : plugin_->Part("taro", "taro", "")) EXPECT_EQ(std::string::npos, line.find("PART"));
}

TEST_F(AbiTest, HostileInputNeverOverrunsTheBuffer) {
  std::string line(1023, '9');
  for (const char* text : {"#", "# ", "#(((((((((", "#1D", "\x81", "#\x81\x94"}) {
    plugin_->Command("taro", "#trpg", text);
  }
  const auto lines = plugin_->Command(std::string(1023, 'n'), std::string(1023, '#'), "#" + std::string(1022, '1'));
  for (const auto& l : lines) EXPECT_LT(l.size(), 4096u);
  std::string mixed;
  for (int i = 0; i < 1023; ++i) mixed += static_cast<char>(1 + (i * 37) % 255);
  plugin_->Command(mixed, mixed, mixed);
  plugin_->Alias(mixed, mixed, mixed);
  plugin_->Part(mixed, mixed, mixed);
  for (const auto& l : plugin_->Alias("taro", "#trpg", std::string(1023, '\x83'))) EXPECT_LT(l.size(), 4096u);
}

}  // namespace
}  // namespace mirado::testing
