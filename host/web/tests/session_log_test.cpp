#include "session_log.h"

#include <gtest/gtest.h>

#include "web_config.h"

namespace mirado::web {
namespace {

std::vector<RoomEvent> Events() {
  RoomEvent join, line, answer, secret;
  join.kind = EventKind::kJoin;
  join.nick = "<img src=x onerror=alert(1)>";
  line.nick = "taro";
  line.text = "<script>alert(1)</script> & \"q\"";
  answer.kind = EventKind::kAnswer;
  answer.nick = "taro";
  answer.text = "taro -> 2D6 = [3,4] = 7";
  secret = answer;
  secret.to = "taro";
  secret.to_player = "p1";
  secret.from = "#gm";
  return {join, line, answer, secret};
}

TEST(SessionLog, HtmlShowsMarkupAsText) {
  const std::string html = RenderLog("#<b>", Events(), LogFormat::kHtml);
  EXPECT_EQ(html.find("<script>"), std::string::npos);
  EXPECT_EQ(html.find("<img"), std::string::npos);
  EXPECT_EQ(html.find("<b>"), std::string::npos);
  EXPECT_NE(html.find("&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;q&quot;"), std::string::npos);
  EXPECT_NE(html.find("&lt;img src=x onerror=alert(1)&gt; joined"), std::string::npos);
}

TEST(SessionLog, TextIsReadable) {
  const std::string text = RenderLog("#trpg", Events(), LogFormat::kText);
  EXPECT_NE(text.find("Mirado for TRPG session log: #trpg"), std::string::npos);
  EXPECT_NE(text.find("] <taro> <script>alert(1)</script>"), std::string::npos);
  EXPECT_NE(text.find("] mirado taro -> 2D6 = [3,4] = 7\n"), std::string::npos);
  EXPECT_NE(text.find("] mirado (to taro) (from #gm) taro -> 2D6"), std::string::npos);
  EXPECT_EQ(EscapeHtml("a'b"), "a&#39;b");
}

TEST(WebConfig, FileAndCommandLine) {
  WebConfig config;
  std::string error;
  ASSERT_TRUE(ApplyConfigText("# comment\nlisten = 0.0.0.0:9000\ndata = rooms\nkey = abcdefghijklmnop\nsync = yes\n",
                              "/etc/mirado/", &config, &error))
      << error;
  EXPECT_EQ(config.host, "0.0.0.0");
  EXPECT_EQ(config.port, 9000);
  EXPECT_EQ(config.data_dir, "/etc/mirado/rooms");
  EXPECT_EQ(config.key, "abcdefghijklmnop");
  EXPECT_TRUE(config.log.sync);
  EXPECT_FALSE(ApplyConfigText("key = short\n", "", &config, &error));
  EXPECT_FALSE(ApplyConfigText("listen = 127.0.0.1\n", "", &config, &error));
  EXPECT_FALSE(ApplyConfigText("unknown = 1\n", "", &config, &error));
  EXPECT_FALSE(ApplyConfigText("max-rooms = 1.5\n", "", &config, &error));

  WebConfig cli;
  ASSERT_EQ(LoadConfig({"--listen", "[::1]:0", "--max-rooms=5", "--verbose"}, "/nonexistent/x.conf", &cli, &error),
            ConfigOutcome::kRun)
      << error;
  EXPECT_EQ(cli.host, "::1");
  EXPECT_EQ(cli.port, 0);
  EXPECT_EQ(cli.limits.rooms, 5u);
  EXPECT_TRUE(cli.verbose);
  EXPECT_EQ(cli.data_dir, "/nonexistent/mirado-web-data");
  EXPECT_EQ(LoadConfig({"--bogus"}, "/nonexistent/x.conf", &cli, &error), ConfigOutcome::kError);
  EXPECT_EQ(LoadConfig({"--config", "/"}, "/nonexistent/x.conf", &cli, &error), ConfigOutcome::kError);
  EXPECT_EQ(LoadConfig({"--help"}, "", &cli, &error), ConfigOutcome::kHelp);
}

}  // namespace
}  // namespace mirado::web
