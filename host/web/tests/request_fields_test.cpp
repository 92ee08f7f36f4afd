#include "request_fields.h"

#include <gtest/gtest.h>

namespace mirado::web {
namespace {

TEST(RequestFields, Targets) {
  auto t = ParseTarget("/api/v1/rooms/%E5%8D%93/events?after=12&key=a+b%21");
  ASSERT_TRUE(t);
  EXPECT_EQ(t->path, (std::vector<std::string>{"api", "v1", "rooms", "\xE5\x8D\x93", "events"}));
  EXPECT_EQ(t->query["after"], "12");
  EXPECT_EQ(t->query["key"], "a b!");
  EXPECT_TRUE(ParseTarget("/")->path.empty());
  EXPECT_EQ(ParseTarget("/api/")->path, (std::vector<std::string>{"api"}));
  for (const char* bad :
       {"", "api", "http://x/", "/a/../b", "/a/./b", "/a//b", "/%zz", "/%4", "/a%2fb", "/%00", "/?a=%"}) {
    EXPECT_FALSE(ParseTarget(bad)) << bad;
  }
}

TEST(RequestFields, CookiesTokensIds) {
  EXPECT_EQ(CookieValue("a=1; mirado_session=tok; b=2", "mirado_session"), "tok");
  EXPECT_EQ(CookieValue("xmirado_session=tok", "mirado_session"), "");
  EXPECT_EQ(BearerToken("Bearer abc"), "abc");
  EXPECT_EQ(BearerToken("bearer  abc "), "abc");
  EXPECT_EQ(BearerToken("Basic abc"), "");
  EXPECT_EQ(BearerToken("Bearer "), "");
  EXPECT_EQ(ParseEventId("42"), 42u);
  EXPECT_FALSE(ParseEventId("-1"));
  EXPECT_FALSE(ParseEventId("1e3"));
  EXPECT_FALSE(ParseEventId("99999999999999999999"));
}

TEST(RequestFields, JsonBodies) {
  std::string why, text;
  bool flag = true;
  auto body = ReadJsonObject(R"({"text":"#2D6","private":false})", &why);
  ASSERT_TRUE(body);
  EXPECT_TRUE(StringMember(*body, "text", true, &text, &why));
  EXPECT_EQ(text, "#2D6");
  EXPECT_TRUE(BoolMember(*body, "private", &flag, &why));
  EXPECT_FALSE(flag);
  EXPECT_FALSE(StringMember(*body, "nick", true, &text, &why));
  EXPECT_FALSE(BoolMember(*ReadJsonObject(R"({"private":1})", &why), "private", &flag, &why));
  EXPECT_FALSE(StringMember(*ReadJsonObject(R"({"text":1})", &why), "text", true, &text, &why));
  EXPECT_FALSE(ReadJsonObject("[1]", &why));
  EXPECT_FALSE(ReadJsonObject("{", &why));
  EXPECT_FALSE(ReadJsonObject(std::string(100, '[') + std::string(100, ']'), &why));
}

}  // namespace
}  // namespace mirado::web
