#include "config.h"

#include <gtest/gtest.h>

namespace mirado::irc {
namespace {

BotConfig Build(const std::vector<std::string>& args, const std::string& file_text = "",
                std::string* error_out = nullptr) {
  SettingMap command_line, file;
  std::string config_path, error;
  EXPECT_EQ(ParseArguments(args, &command_line, &config_path, &error), ParseOutcome::kRun) << error;
  EXPECT_TRUE(ParseConfigText(file_text, "/etc/mirado/", &file, &error)) << error;
  BotConfig config;
  const bool ok = BuildConfig(command_line, file, &config, &error);
  if (error_out != nullptr) {
    *error_out = ok ? std::string() : error;
  } else {
    EXPECT_TRUE(ok) << error;
  }
  return config;
}

TEST(Config, DefaultsFromAServerAlone) {
  const BotConfig c = Build({"--server", "irc.example.net"});
  EXPECT_EQ(c.host, "irc.example.net");
  EXPECT_EQ(c.port, 6667);
  EXPECT_FALSE(c.tls);
  EXPECT_EQ(c.nick, "mirado");
  EXPECT_EQ(c.encoding, WireEncoding::kUtf8);
  EXPECT_TRUE(c.channels.empty());
  EXPECT_EQ(c.flood_burst, kDefaultFloodBurst);
  EXPECT_EQ(c.flood_interval, kDefaultFloodInterval);
  EXPECT_EQ(Build({"--server=irc.example.net", "--tls"}).port, 6697);
  EXPECT_EQ(Build({"--server", "[::1]:7000"}).host, "::1");
  EXPECT_EQ(Build({"--server", "[::1]:7000"}).port, 7000);
}

TEST(Config, FileSettingsAndCommandLineWins) {
  const std::string file =
      "# the bot of our Tuesday group\n"
      "server = irc.example.net:6697\n"
      "tls = yes\n"
      "nick = dicebot\r\n"
      "  ; an indented comment\n"
      "channel = #trpg\n"
      "channel = #secret key123\n"
      "encoding = iso-2022-jp\n"
      "ca-file = ca.pem\n"
      "plugin = /opt/mirado/libmirado.so\n"
      "flood-interval = 2.5\n";
  BotConfig c = Build({}, file);
  EXPECT_EQ(c.host, "irc.example.net");
  EXPECT_EQ(c.port, 6697);
  EXPECT_TRUE(c.tls);
  EXPECT_EQ(c.nick, "dicebot");
  ASSERT_EQ(c.channels.size(), 2u);
  EXPECT_EQ(c.channels[0].name, "#trpg");
  EXPECT_EQ(c.channels[1].name, "#secret");
  EXPECT_EQ(c.channels[1].key, "key123");
  EXPECT_EQ(c.encoding, WireEncoding::kIso2022Jp);
  EXPECT_EQ(c.ca_file, "/etc/mirado/ca.pem");  // relative to the file's folder
  EXPECT_EQ(c.plugin_path, "/opt/mirado/libmirado.so");
  EXPECT_EQ(c.flood_interval, 2.5);

  // The command line wins; its channels replace the file's list.
  c = Build({"--nick", "other", "--channel", "#a", "--channel=#b", "--tls=no", "--server", "localhost:6668"}, file);
  EXPECT_EQ(c.nick, "other");
  EXPECT_FALSE(c.tls);
  EXPECT_EQ(c.port, 6668);
  ASSERT_EQ(c.channels.size(), 2u);
  EXPECT_EQ(c.channels[0].name, "#a");
  EXPECT_EQ(c.channels[1].name, "#b");
}

TEST(Config, BadValuesAreReportedClearly) {
  const struct {
    std::vector<std::string> args;
    const char* mentions;
  } cases[] = {
      {{"--nick", "x"}, "no server"},
      {{"--server", "host:99999"}, "port"},
      {{"--server", "host:abc"}, "port"},
      {{"--server", "host", "--nick", "bad nick"}, "nick"},
      {{"--server", "host", "--channel", "trpg"}, "channel"},
      {{"--server", "host", "--channel", "#a,#b"}, "channel"},
      {{"--server", "host", "--encoding", "ebcdic"}, "encoding"},
      {{"--server", "host", "--tls=maybe"}, "tls"},
      {{"--server", "host", "--flood-interval", "-1"}, "flood-interval"},
      {{"--server", "host", "--flood-burst", "lots"}, "flood-burst"},
  };
  for (const auto& c : cases) {
    std::string error;
    Build(c.args, "", &error);
    EXPECT_NE(error.find(c.mentions), std::string::npos) << c.mentions << ": " << error;
  }
  SettingMap settings;
  std::string path, error;
  EXPECT_EQ(ParseArguments({"--bogus"}, &settings, &path, &error), ParseOutcome::kError);
  EXPECT_EQ(ParseArguments({"--nick"}, &settings, &path, &error), ParseOutcome::kError);
  EXPECT_EQ(ParseArguments({"--server", "x", "--help"}, &settings, &path, &error), ParseOutcome::kHelp);
  EXPECT_FALSE(ParseConfigText("server irc.example.net\n", "", &settings, &error));
  EXPECT_NE(error.find("line 1"), std::string::npos);
  EXPECT_FALSE(ParseConfigText("\n\nnickname = x\n", "", &settings, &error));
  EXPECT_NE(error.find("line 3"), std::string::npos);
  EXPECT_FALSE(LoadConfigFile("/nonexistent/mirado-irc.conf", &settings, &error));
}

}  // namespace
}  // namespace mirado::irc
