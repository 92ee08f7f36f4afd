// The reply writer: the host's text kept, whole lines only, no line breaks
// from user text, answers written over an empty buffer.
#include "core/reply_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace BotCommand {
namespace {

struct Buffer {
  std::string bytes = std::string(kReplyBufferSize, '\0');
  ReplyWriter writer;
  explicit Buffer(const std::string& host = "") {
    bytes.replace(0, host.size(), host);
    writer.Attach(bytes.data());
  }
  std::string Text() const { return bytes.c_str(); }
};

TEST(ReplyWriter, AppendsWholeLinesAfterTheHostsText) {
  Buffer b("PRIVMSG #x :hi");
  EXPECT_TRUE(b.writer.Notice("#trpg", "taro", "2D6 = [3,4] = 7"));
  EXPECT_EQ("PRIVMSG #x :hi\r\nNOTICE #trpg :taro -> 2D6 = [3,4] = 7", b.Text());
}

TEST(ReplyWriter, ALineThatDoesNotFitIsNotWrittenAtAll) {
  Buffer b(std::string(4000, 'h'));
  EXPECT_FALSE(b.writer.Notice("#trpg", "taro", std::string(100, 'x')));
  EXPECT_EQ(std::string(4000, 'h'), b.Text());
  EXPECT_TRUE(b.writer.Notice("#trpg", "taro", std::string(60, 'x')));
  EXPECT_EQ(4000u + 2 + 22 + 60, b.Text().size());
  // A full buffer keeps its text and its terminator within 4096 bytes.
  Buffer full(std::string(4095, 'h'));
  EXPECT_FALSE(full.writer.Line("PART #trpg"));
  EXPECT_EQ(4095u, full.Text().size());
}

TEST(ReplyWriter, OwnLimitAndCutLines) {
  Buffer b("host");
  b.writer.SetOwnLimit(44);
  EXPECT_TRUE(b.writer.Notice("#t", "n", "12345"));   // 2 + 7 + 2 + 2 + 1 + 4 + 5 = 23 bytes
  EXPECT_FALSE(b.writer.Notice("#t", "n", "12345"));  // a second would pass 44
  // 21 bytes left: the 18-byte head and one two-byte character, not half of
  // the next one.
  EXPECT_TRUE(b.writer.NoticeCut("#t", "n", "\x82\xA0\x82\xA0\x82\xA0"));
  EXPECT_EQ("host\r\nNOTICE #t :n -> 12345\r\nNOTICE #t :n -> \x82\xA0", b.Text());
}

TEST(ReplyWriter, LineBreaksFromUserTextBecomeSpaces) {
  Buffer b;
  EXPECT_TRUE(b.writer.Notice("#a\r\nQUIT", "ta\nro", "x\r\nPRIVMSG #y :z"));
  EXPECT_EQ("\r\nNOTICE #a  QUIT :ta ro -> x  PRIVMSG #y :z", b.Text());
}

TEST(ReplyWriter, AnAnswerWrittenOverAnEmptyBufferStartsIt) {
  Buffer b;
  b.writer.Notice("#t", "n", "dropped");
  b.writer.Clear();
  EXPECT_TRUE(b.writer.Notice("#t", "n", "first"));
  EXPECT_TRUE(b.writer.Notice("#t", "n", "second"));
  EXPECT_EQ("NOTICE #t :n -> first\r\nNOTICE #t :n -> second", b.Text());
  // After the host's text the answer still follows a CR LF.
  Buffer host("H");
  host.writer.Clear();
  EXPECT_TRUE(host.writer.Line("notice #t :>help"));
  EXPECT_EQ("H\r\nnotice #t :>help", host.Text());
}

TEST(ReplyWriter, PrependPutsAnAnnouncementAheadOfTheAnswer) {
  Buffer b("H");
  b.writer.Notice("#secret", "n", "2D6 = 7");
  const std::size_t mark = b.writer.Mark();
  EXPECT_TRUE(b.writer.Prepend("NOTICE #game :n -> announced"));
  EXPECT_EQ("H\r\nNOTICE #game :n -> announced\r\nNOTICE #secret :n -> 2D6 = 7", b.Text());
  EXPECT_GT(b.writer.Mark(), mark);
  b.writer.Rewind(0);
  EXPECT_EQ("H", b.Text());
}

}  // namespace
}  // namespace BotCommand
