#include <unicode/uchar.h>

#include "platform/ini_document.h"
#include "platform/platform.h"

namespace mirado::platform {
namespace {

// The white space of the profile functions: blanks, line and page breaks, and
// the old end-of-file mark ^Z some editors leave behind.
bool IsProfileSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

IniLine ParseLine(std::string raw) {
  IniLine line;
  line.raw = std::move(raw);
  const std::string_view text = TrimProfileText(line.raw);
  if (text.empty() || text.front() == ';') return line;
  if (text.front() == '[') {
    // Only a line that closes its bracket opens a section; "[abc" is a key.
    const auto close = text.rfind(']');
    if (close != std::string_view::npos && close > 0) {
      line.kind = IniLine::Kind::kSection;
      line.folded = FoldProfileName(TrimProfileText(text.substr(1, close - 1)));
      return line;
    }
  }
  line.kind = IniLine::Kind::kKey;
  const auto eq = text.find('=');
  line.key = std::string(TrimProfileText(text.substr(0, eq)));
  if (eq != std::string_view::npos) {
    line.has_value = true;
    line.value = std::string(TrimProfileText(text.substr(eq + 1)));
  }
  line.folded = FoldProfileName(line.key);
  return line;
}

std::size_t LineBytes(const IniLine& line) { return line.raw.size() + 2; }

}  // namespace

std::u16string FoldProfileName(std::string_view name) {
  // Names compare as Windows compares them: through UTF-16, upper-cased.
  // ASCII names (nearly all of them) take the short way to the same result.
  std::u16string folded;
  folded.reserve(name.size());
  for (const char c : name) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      folded = Cp932ToUtf16(name);
      for (auto& u : folded) {
        if (u < 0xD800 || u > 0xDFFF) u = static_cast<char16_t>(u_toupper(u));
      }
      return folded;
    }
    folded.push_back(static_cast<char16_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
  }
  return folded;
}

FoldedName::FoldedName(std::string_view name) {
  if (name.size() > kShort) {
    long_ = FoldProfileName(name);
    return;
  }
  for (const char c : name) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      long_ = FoldProfileName(name);
      return;
    }
    short_[size_++] = static_cast<char16_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
}

std::string_view TrimProfileText(std::string_view text) {
  while (!text.empty() && IsProfileSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsProfileSpace(text.back())) text.remove_suffix(1);
  return text;
}

IniDocument::IniDocument() : sections_(1) {}

IniDocument IniDocument::Parse(std::string_view content) {
  IniDocument doc;
  std::size_t start = 0;
  while (start < content.size()) {
    auto end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    std::string raw(content.substr(start, end - start));
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    IniLine line = ParseLine(std::move(raw));
    if (line.kind == IniLine::Kind::kSection) {
      doc.sections_.emplace_back();
      doc.sections_.back().has_header = true;
    }
    doc.AppendLine(doc.sections_.back(), std::move(line));
    start = end + 1;
  }
  doc.RebuildSectionIndex();
  return doc;
}

void IniDocument::AppendLine(IniSection& section, IniLine line) {
  bytes_ += LineBytes(line);
  if (line.kind == IniLine::Kind::kKey) {
    ++keys_;
    section.keys.emplace(line.folded, section.lines.size());
  }
  section.lines.push_back(std::move(line));
}

void IniDocument::RebuildSectionIndex() {
  index_.clear();
  for (std::size_t i = 1; i < sections_.size(); ++i) index_.emplace(sections_[i].lines[0].folded, i);
}

void IniDocument::RebuildKeyIndex(IniSection& section) {
  section.keys.clear();
  for (std::size_t i = 0; i < section.lines.size(); ++i) {
    if (section.lines[i].kind == IniLine::Kind::kKey) section.keys.emplace(section.lines[i].folded, i);
  }
}

long IniDocument::SectionIndex(std::string_view section) const {
  const auto it = index_.find(FoldedName(TrimProfileText(section)).view());
  return it == index_.end() ? -1 : static_cast<long>(it->second);
}

const IniSection* IniDocument::FindSection(std::string_view section) const {
  const long s = SectionIndex(section);
  return s < 0 ? nullptr : &sections_[static_cast<std::size_t>(s)];
}

const IniLine* IniDocument::Find(std::string_view section, std::string_view key) const {
  const IniSection* s = FindSection(section);
  if (s == nullptr) return nullptr;
  const auto it = s->keys.find(FoldedName(TrimProfileText(key)).view());
  return it == s->keys.end() ? nullptr : &s->lines[it->second];
}

IniEdit IniDocument::Put(std::string_view section, std::string_view key, std::string_view value,
                         const IniLimits& limits) {
  const std::string_view name = TrimProfileText(key);
  const std::string line_text = std::string(name) + "=" + std::string(TrimProfileText(value));
  const long s = SectionIndex(section);
  if (s >= 0) {
    IniSection& target = sections_[static_cast<std::size_t>(s)];
    const auto it = target.keys.find(FoldProfileName(name));
    if (it != target.keys.end()) {
      // An existing key keeps the letter case it was written with.
      IniLine& line = target.lines[it->second];
      IniLine replacement = ParseLine(line.key + "=" + std::string(TrimProfileText(value)));
      if (replacement.raw == line.raw) return IniEdit::kUnchanged;
      const std::size_t grown = bytes_ - LineBytes(line) + LineBytes(replacement);
      if (grown > bytes_ && grown > limits.max_bytes) return IniEdit::kFull;
      bytes_ = grown;
      const bool same_key = replacement.kind == IniLine::Kind::kKey && replacement.folded == line.folded;
      line = std::move(replacement);
      if (!same_key) Reparse();
      return IniEdit::kChanged;
    }
    if (keys_ >= limits.max_keys || bytes_ + line_text.size() + 2 > limits.max_bytes) return IniEdit::kFull;
    // After the last non-blank line of the section: only blank lines follow,
    // so no key moves and the key index stays valid.
    std::size_t at = target.lines.size();
    while (at > 1 && TrimProfileText(target.lines[at - 1].raw).empty()) --at;
    IniLine line = ParseLine(line_text);
    const bool as_key = line.kind == IniLine::Kind::kKey && line.folded == FoldProfileName(name);
    bytes_ += LineBytes(line);
    ++keys_;
    target.keys.emplace(line.folded, at);
    target.lines.insert(target.lines.begin() + static_cast<long>(at), std::move(line));
    if (!as_key) Reparse();
    return IniEdit::kChanged;
  }
  const std::string header = "[" + std::string(TrimProfileText(section)) + "]";
  if (section_count() >= limits.max_sections || keys_ >= limits.max_keys ||
      bytes_ + header.size() + line_text.size() + 4 > limits.max_bytes) {
    return IniEdit::kFull;
  }
  sections_.emplace_back();
  IniSection& added = sections_.back();
  added.has_header = true;
  AppendLine(added, ParseLine(header));
  IniLine line = ParseLine(line_text);
  const bool as_key = line.kind == IniLine::Kind::kKey && line.folded == FoldProfileName(name);
  AppendLine(added, std::move(line));
  index_.emplace(added.lines[0].folded, sections_.size() - 1);
  if (!as_key || added.lines[0].kind != IniLine::Kind::kSection) Reparse();
  return IniEdit::kChanged;
}

IniEdit IniDocument::DeleteKey(std::string_view section, std::string_view key) {
  const long s = SectionIndex(section);
  if (s < 0) return IniEdit::kUnchanged;
  IniSection& target = sections_[static_cast<std::size_t>(s)];
  const auto it = target.keys.find(FoldProfileName(TrimProfileText(key)));
  if (it == target.keys.end()) return IniEdit::kUnchanged;
  bytes_ -= LineBytes(target.lines[it->second]);
  --keys_;
  target.lines.erase(target.lines.begin() + static_cast<long>(it->second));
  RebuildKeyIndex(target);
  return IniEdit::kChanged;
}

IniEdit IniDocument::DeleteSection(std::string_view section) {
  const long s = SectionIndex(section);
  if (s < 0) return IniEdit::kUnchanged;
  for (const IniLine& line : sections_[static_cast<std::size_t>(s)].lines) {
    bytes_ -= LineBytes(line);
    if (line.kind == IniLine::Kind::kKey) --keys_;
  }
  sections_.erase(sections_.begin() + s);
  // A later section of the same name, if any, is the one seen from now on.
  RebuildSectionIndex();
  return IniEdit::kChanged;
}

void IniDocument::Reparse() {
  // A name the format cannot hold (a key opening with '[' or holding '=', a
  // section name holding ']') reads back as something else; the file is then
  // read again exactly as the next reader will read it.
  *this = Parse(Serialize());
}

std::string IniDocument::Serialize() const {
  std::string out;
  out.reserve(bytes_);
  for (const IniSection& section : sections_) {
    for (const IniLine& line : section.lines) {
      out += line.raw;
      out += "\r\n";
    }
  }
  return out;
}

}  // namespace mirado::platform
