// Foldings, conversions, bounded formatting and the small parsers.
#include "core/text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "core/fold_tables.h"
#include "platform/platform.h"

namespace mirado {

std::u16string FoldAsciiWidth(std::u16string_view text) {
  std::u16string folded(text);
  for (char16_t& c : folded) {
    if (c >= u'\xFF01' && c <= u'\xFF5E') {
      c = static_cast<char16_t>(c - 0xFF01 + 0x21);
    } else if (c == u'\x3000') {
      c = u' ';
    }
  }
  return folded;
}

void FoldSpaces(char* text) {
  char* out = text;
  for (const char* in = text; *in != '\0'; ++in) {
    if (static_cast<unsigned char>(in[0]) == 0x81 && static_cast<unsigned char>(in[1]) == 0x40) {
      *out++ = ' ';
      ++in;
    } else {
      *out++ = *in;
    }
  }
  *out = '\0';
}

std::u16string ToWide(std::string_view text) { return platform::Cp932ToUtf16(text); }
std::string ToNarrow(std::u16string_view text) { return platform::Utf16ToCp932(text); }

void FoldForMatch(std::u16string& text) {
  text = platform::MapFullWidthKatakanaUpper(text);
  for (std::size_t i = 0; i < kKanaFoldTableSize; ++i) {
    text = ReplaceAll(std::move(text), kKanaFoldTable[i].search, kKanaFoldTable[i].replacement);
  }
}

namespace {

// Both folds below leave ASCII text as it is; most roll expressions are ASCII.
bool IsAscii(const char* text) {
  for (; *text != '\0'; ++text) {
    if (static_cast<unsigned char>(*text) >= 0x80) return false;
  }
  return true;
}

}  // namespace

void ToHalfWidth(const char* source, char* destination, std::size_t size) {
  if (IsAscii(source)) {
    CopyText(destination, size, source);
    return;
  }
  CopyText(destination, size, ToNarrow(platform::MapHalfWidth(ToWide(source))));
}

void FoldOperators(const char* source, char* destination, std::size_t size) {
  if (IsAscii(source)) {
    CopyText(destination, size, source);
    return;
  }
  // Every search text of the table is one character and every replacement is
  // ASCII, which no later row searches for, so one pass gives the same text
  // as applying the rows one after another.
  const std::u16string wide = ToWide(source);
  std::u16string folded;
  folded.reserve(wide.size() + 8);
  for (const char16_t c : wide) {
    const FoldPair* row = nullptr;
    for (std::size_t i = 0; i < kOperatorFoldTableSize && row == nullptr; ++i) {
      if (kOperatorFoldTable[i].search[0] == c) row = &kOperatorFoldTable[i];
    }
    if (row != nullptr) {
      folded += row->replacement;
    } else {
      folded += c;
    }
  }
  CopyText(destination, size, ToNarrow(folded));
}

void CopyText(char* destination, std::size_t size, std::string_view source) {
  if (size == 0) return;
  // Never half a double-byte character at the end.
  const std::size_t n = CharacterPrefix(source, size - 1);
  std::memmove(destination, source.data(), n);
  destination[n] = '\0';
}

namespace {

// A formatting buffer of `size` bytes: on the stack when it is small enough
// (every size the commands use), else on the heap.
class Scratch {
 public:
  explicit Scratch(std::size_t size) {
    if (size > sizeof stack_) {
      heap_.reset(new char[size]);
      data_ = heap_.get();
    }
  }
  char* data() { return data_; }

 private:
  char stack_[4096];
  std::unique_ptr<char[]> heap_;
  char* data_ = stack_;
};

// Formats into `scratch` (at least `size` bytes), cut at size - 1 bytes; a
// format the C library cannot apply gives the empty text. Returns the length.
std::size_t FormatScratch(char* scratch, std::size_t size, const char* format, va_list args) {
  const int n = std::vsnprintf(scratch, size, format, args);
  const std::size_t length = n < 0 ? 0 : std::min(static_cast<std::size_t>(n), size - 1);
  scratch[length] = '\0';
  return length;
}

// Formats into a scratch buffer first, so the destination may be one of the
// arguments; every byte of the destination after the text is zero.
void FormatInto(char* destination, std::size_t size, const char* format, va_list args) {
  if (size == 0) return;
  Scratch scratch(size);
  const std::size_t length = FormatScratch(scratch.data(), size, format, args);
  std::memcpy(destination, scratch.data(), length + 1);
  std::memset(destination + length + 1, 0, size - length - 1);  // the rest reads as zero
}

}  // namespace

void BoundedText::Add(std::string_view piece) {
  const std::size_t n = std::min(piece.size(), size_ - 1 - used_);
  std::memcpy(out_ + used_, piece.data(), n);
  used_ += n;
  out_[used_] = '\0';
}

void BoundedText::Add(int64_t number) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  Add(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void FormatText(char* destination, std::size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatInto(destination, size, format, args);
  va_end(args);
}

void FormatToString(std::string& destination, std::size_t size, const char* format, ...) {
  if (size == 0) {
    destination.clear();
    return;
  }
  Scratch scratch(size);
  va_list args;
  va_start(args, format);
  FormatScratch(scratch.data(), size, format, args);
  va_end(args);
  destination.assign(scratch.data());  // to the first NUL, as a C string reads
}

void FormatTextWide(char16_t* destination, std::size_t size, const char16_t* format, ...) {
  if (size == 0) return;
  std::u16string out;
  va_list args;
  va_start(args, format);
  for (const char16_t* p = format; *p != u'\0'; ++p) {
    if (*p != u'%' || p[1] == u'\0') {
      out.push_back(*p);
      continue;
    }
    ++p;
    if (*p == u's') {
      const char16_t* s = va_arg(args, const char16_t*);
      out += s != nullptr ? s : u"";
    } else if (*p == u'd') {
      const std::string digits = std::to_string(va_arg(args, int));
      out.append(digits.begin(), digits.end());
    } else if (*p == u'c') {
      out.push_back(static_cast<char16_t>(va_arg(args, int)));
    } else {
      out.push_back(*p);  // "%%" and anything unknown write the character itself
    }
  }
  va_end(args);
  const std::size_t n = out.size() < size - 1 ? out.size() : size - 1;
  std::fill(destination, destination + size, u'\0');
  std::copy(out.begin(), out.begin() + static_cast<long>(n), destination);
}

std::u16string ReplaceAll(std::u16string text, std::u16string_view search, std::u16string_view replacement) {
  if (search.empty()) return text;
  std::size_t pos = text.find(search);
  if (pos == std::u16string::npos) return text;
  std::u16string out;
  out.reserve(text.size());
  std::size_t from = 0;
  while (pos != std::u16string::npos) {
    out.append(text, from, pos - from);
    out.append(replacement);
    from = pos + search.size();
    pos = text.find(search, from);
  }
  out.append(text, from, std::u16string::npos);
  return out;
}

int32_t ReadDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<int64_t>(INT_MAX) + 1) value = static_cast<int64_t>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int32_t>(value);
}

int32_t ParseNumber(const char* text) {
  char folded[256];
  char half[256];
  FoldOperators(text, folded, sizeof folded);
  ToHalfWidth(folded, half, sizeof half);
  return ReadDecimal(half);
}

namespace {

// A name list folded once: the folded name of each entry, the first entry of
// a folded name winning. Lists are constant data, so each is folded on its
// first lookup and kept for the process's life (a few hundred names folded
// again for every word would cost milliseconds a line); the answer is the
// one a search of the list gives.
using FoldedIndex = std::unordered_map<std::u16string, int32_t>;

const FoldedIndex& IndexOf(const LookupEntry* entries, std::size_t count) {
  static std::mutex mutex;
  static auto* indexes = new std::map<std::pair<const LookupEntry*, std::size_t>, std::unique_ptr<FoldedIndex>>();
  std::lock_guard<std::mutex> hold(mutex);
  auto& index = (*indexes)[{entries, count}];
  if (!index) {
    index = std::make_unique<FoldedIndex>();
    for (std::size_t i = 0; i < count; ++i) {
      std::u16string name = entries[i].name;
      FoldForMatch(name);
      index->emplace(std::move(name), entries[i].id);  // an earlier entry keeps its name
    }
  }
  return *index;
}

}  // namespace

bool LookupFolded(int32_t* id, const char* text, const LookupEntry* entries, std::size_t count) {
  std::u16string folded = ToWide(text);
  FoldForMatch(folded);
  const FoldedIndex& index = IndexOf(entries, count);
  const auto it = index.find(folded);
  if (it == index.end()) return false;
  *id = it->second;
  return true;
}

bool IsPrintableAscii(const char* text) {
  for (const char* p = text; *p != '\0'; ++p) {
    const auto b = static_cast<unsigned char>(*p);
    if (b < 0x20 || b > 0x7E) return false;
  }
  return true;
}

}  // namespace mirado
