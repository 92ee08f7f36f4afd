// The one way a command writes its answer into the host's output buffer.
//
// The buffer belongs to the host: it may already hold text when the call
// starts, and that text is never shortened. A command's answer is a sequence
// of whole IRC lines, each added after a CR LF ("\r\nNOTICE target :name ->
// text"), and the writer guarantees that:
//  - the buffer stays NUL-terminated within its capacity (4096 bytes);
//  - a line is added whole or not at all: when it would not fit, nothing is
//    written and the call returns false, so the command can leave undone the
//    work that line would have reported;
//  - no CR, LF or NUL from a target, a name or a text reaches a line: each CR
//    or LF becomes a space, so every line added is one well-formed NOTICE (or
//    PART) line.
// A command may also bound its own share of the buffer (the roll keeps its
// whole answer within 1023 bytes of its own, however much room is left).
#ifndef MIRADO_CORE_REPLY_WRITER_H_
#define MIRADO_CORE_REPLY_WRITER_H_

#include <cstddef>
#include <string_view>

#include "core/sizes.h"

namespace BotCommand {

class ReplyWriter {
 public:
  ReplyWriter() = default;
  // Starts writing after the text `buffer` holds (the host's text, kept as
  // it is); `capacity` counts the terminator. A null buffer writes nothing.
  void Attach(char* buffer, std::size_t capacity = kReplyBufferSize);

  // Bounds the text this writer adds to `own_limit` bytes (terminator not
  // counted) in addition to the host's text; 0 lifts the bound.
  void SetOwnLimit(std::size_t own_limit) { own_limit_ = own_limit; }

  // Adds "\r\nNOTICE <target> :<name> -> <text>". False, and nothing
  // written, when the line does not fit.
  bool Notice(std::string_view target, std::string_view name, std::string_view text);
  // The same, but a text too long for the room left is cut at a character
  // boundary instead of refused (the one long detail line of a single roll);
  // false only when not even the line's head fits.
  bool NoticeCut(std::string_view target, std::string_view name, std::string_view text);
  // Adds "\r\n<line>" (a PART line, say). Same rules.
  bool Line(std::string_view line);
  // Puts "\r\n<line>" in front of everything this writer added (after the
  // host's text): the announcement of a closed roll. Same rules.
  bool Prepend(std::string_view line);

  // The bytes Notice adds for these texts.
  static std::size_t NoticeSize(std::string_view target, std::string_view name, std::string_view text);
  // True when `bytes` more bytes would still fit.
  bool Fits(std::size_t bytes) const;
  // The length of what this writer has added, and a way back to it: a
  // refused step removes the lines it wrote.
  std::size_t Mark() const { return length_ - base_; }
  void Rewind(std::size_t mark);
  // Forgets every line this writer added; the host's text stays. The answer
  // that follows replaces the buffer: on an empty buffer its first line is
  // written without the CR LF in front (as an answer written over the buffer
  // begins with its IRC command); after the host's text it follows a CR LF.
  void Clear() {
    Rewind(0);
    fresh_ = true;
  }

 private:
  // Appends `text` with CR and LF turned into spaces (NUL ends a view's use).
  void PutClean(std::string_view text);
  // Appends the writer's own line structure (CR LF, "NOTICE ") as it is.
  void PutRaw(std::string_view text);
  // The CR LF in front of a new line: none when it starts a replaced, empty
  // buffer. Returns its length.
  std::size_t Separator() const { return fresh_ && length_ == 0 ? 0 : 2; }
  std::size_t Limit() const;

  char* buffer_ = nullptr;
  std::size_t capacity_ = 0;
  std::size_t base_ = 0;    // length of the host's text
  std::size_t length_ = 0;  // current length
  std::size_t own_limit_ = 0;
  bool fresh_ = false;  // the next line starts an empty buffer without CR LF
};

}  // namespace BotCommand

#endif  // MIRADO_CORE_REPLY_WRITER_H_
