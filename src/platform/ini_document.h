// The settings file held in memory by the POSIX store: its lines as written
// (so a rewrite changes only the entry written and keeps comments and odd
// lines), grouped into sections, with an index of section and key names so a
// lookup costs the same in a file of ten thousand keys as in a small one.
//
// Lines are read as the Windows private-profile functions read them: a line
// that begins with '[' and holds a ']' opens a section; a line that begins
// with ';' is a comment; any other non-blank line is a key, with a value when
// it holds '=' and without one when it does not. Names compare
// case-insensitively through UTF-16; the first of two sections (or keys) with
// one name is the one seen.
#ifndef MIRADO_PLATFORM_INI_DOCUMENT_H_
#define MIRADO_PLATFORM_INI_DOCUMENT_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mirado::platform {

// A section or key name as the store compares it.
std::u16string FoldProfileName(std::string_view name);

// The folded form of a name looked up once: a short ASCII name (nearly every
// name) is folded into the object itself, so a lookup builds no string.
class FoldedName {
 public:
  explicit FoldedName(std::string_view name);
  std::u16string_view view() const { return long_.empty() ? std::u16string_view(short_, size_) : long_; }

 private:
  static constexpr std::size_t kShort = 64;
  char16_t short_[kShort];
  std::size_t size_ = 0;
  std::u16string long_;
};

// Name indexes, looked up by a folded view.
struct FoldedNameHash {
  using is_transparent = void;
  std::size_t operator()(std::u16string_view name) const noexcept { return std::hash<std::u16string_view>{}(name); }
};
using FoldedIndex = std::unordered_map<std::u16string, std::size_t, FoldedNameHash, std::equal_to<>>;
// Removes the white space the profile functions ignore around names and values.
std::string_view TrimProfileText(std::string_view text);

struct IniLine {
  enum class Kind { kOther, kSection, kKey };
  std::string raw;  // the line as written, without its line end
  Kind kind = Kind::kOther;
  std::u16string folded;  // section or key name, folded
  std::string key;        // the key as written (keys)
  std::string value;      // the value as written, trimmed (keys with '=')
  bool has_value = false;
};

struct IniSection {
  // lines[0] is the header, except in the preamble (lines before the first
  // header), which no name reaches.
  std::vector<IniLine> lines;
  bool has_header = false;
  FoldedIndex keys;  // folded key -> first line
};

// What a change did to the document.
enum class IniEdit { kChanged, kUnchanged, kFull };

// Bounds on new entries: a change that would create a section or key past
// these, or make the file larger than max_bytes, is refused as kFull.
struct IniLimits {
  std::size_t max_sections;
  std::size_t max_keys;
  std::size_t max_bytes;
};

class IniDocument {
 public:
  IniDocument();
  static IniDocument Parse(std::string_view content);

  // The key line, or null when the section or key is missing.
  const IniLine* Find(std::string_view section, std::string_view key) const;
  // The first section of that name, or null.
  const IniSection* FindSection(std::string_view section) const;

  // Sets the key's value (trimmed); a new key goes after the last non-blank
  // line of its section, a new section at the end of the file.
  IniEdit Put(std::string_view section, std::string_view key, std::string_view value, const IniLimits& limits);
  IniEdit DeleteKey(std::string_view section, std::string_view key);
  IniEdit DeleteSection(std::string_view section);

  // The whole file with CR LF line ends.
  std::string Serialize() const;
  std::size_t byte_size() const { return bytes_; }
  std::size_t section_count() const { return sections_.size() - 1; }
  std::size_t key_count() const { return keys_; }

 private:
  long SectionIndex(std::string_view section) const;
  void AppendLine(IniSection& section, IniLine line);
  void RebuildSectionIndex();
  void Reparse();
  static void RebuildKeyIndex(IniSection& section);

  std::vector<IniSection> sections_;  // sections_[0] is the preamble
  FoldedIndex index_;                 // folded section -> first
  std::size_t bytes_ = 0;
  std::size_t keys_ = 0;
};

}  // namespace mirado::platform

#endif  // MIRADO_PLATFORM_INI_DOCUMENT_H_
