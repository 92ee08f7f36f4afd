#include "core/reply_writer.h"

#include <cstring>

#include "platform/platform.h"

namespace BotCommand {

void ReplyWriter::Attach(char* buffer, std::size_t capacity) {
  fresh_ = false;
  buffer_ = buffer;
  capacity_ = capacity;
  if (buffer_ == nullptr || capacity_ == 0) {
    buffer_ = nullptr;
    base_ = length_ = 0;
    return;
  }
  // The host's text is whatever stands before the first NUL; a buffer with
  // none in its capacity is terminated at its last byte.
  const void* nul = std::memchr(buffer_, '\0', capacity_);
  if (nul == nullptr) buffer_[capacity_ - 1] = '\0';
  base_ = length_ = nul == nullptr ? capacity_ - 1 : static_cast<std::size_t>(static_cast<const char*>(nul) - buffer_);
}

std::size_t ReplyWriter::Limit() const {
  std::size_t limit = capacity_ - 1;
  if (own_limit_ != 0 && base_ + own_limit_ < limit) limit = base_ + own_limit_;
  return limit;
}

bool ReplyWriter::Fits(std::size_t bytes) const { return buffer_ != nullptr && length_ + bytes <= Limit(); }

void ReplyWriter::PutClean(std::string_view text) {
  for (char c : text) {
    if (c == '\0') break;
    buffer_[length_++] = (c == '\r' || c == '\n') ? ' ' : c;
  }
  buffer_[length_] = '\0';
}

void ReplyWriter::PutRaw(std::string_view text) {
  for (char c : text) buffer_[length_++] = c;
  buffer_[length_] = '\0';
}

namespace {

std::size_t CleanLength(std::string_view text) {
  const std::size_t nul = text.find('\0');
  return nul == std::string_view::npos ? text.size() : nul;
}

}  // namespace

std::size_t ReplyWriter::NoticeSize(std::string_view target, std::string_view name, std::string_view text) {
  // "\r\nNOTICE " target " :" name " -> " text
  return 9 + CleanLength(target) + 2 + CleanLength(name) + 4 + CleanLength(text);
}

bool ReplyWriter::Notice(std::string_view target, std::string_view name, std::string_view text) {
  const std::size_t separator = Separator();
  if (!Fits(NoticeSize(target, name, text) - 2 + separator)) return false;
  if (separator != 0) PutRaw("\r\n");
  fresh_ = false;
  PutRaw("NOTICE ");
  PutClean(target);
  PutClean(" :");
  PutClean(name);
  PutClean(" -> ");
  PutClean(text);
  return true;
}

bool ReplyWriter::NoticeCut(std::string_view target, std::string_view name, std::string_view text) {
  const std::size_t head = NoticeSize(target, name, "");
  if (!Fits(head)) return false;
  text = text.substr(0, CleanLength(text));
  const std::size_t room = Limit() - length_ - head;
  if (text.size() > room) {
    // A double-byte character is never cut in two.
    text = text.substr(0, mirado::platform::CharacterPrefix(text, room));
  }
  return Notice(target, name, text);
}

bool ReplyWriter::Line(std::string_view line) {
  const std::size_t separator = Separator();
  if (!Fits(separator + CleanLength(line))) return false;
  if (separator != 0) PutRaw("\r\n");
  fresh_ = false;
  PutClean(line);
  return true;
}

bool ReplyWriter::Prepend(std::string_view line) {
  const std::size_t size = CleanLength(line) + 2;
  if (!Fits(size)) return false;
  char* const own = buffer_ + base_;
  std::memmove(own + size, own, length_ - base_ + 1);
  const std::size_t end = length_ + size;
  own[0] = '\r';
  own[1] = '\n';
  length_ = base_ + 2;
  const char kept = own[size];  // PutClean terminates; the moved text resumes here
  PutClean(line);
  own[size] = kept;
  length_ = end;
  return true;
}

void ReplyWriter::Rewind(std::size_t mark) {
  if (buffer_ == nullptr || base_ + mark >= length_) return;
  length_ = base_ + mark;
  buffer_[length_] = '\0';
}

}  // namespace BotCommand
