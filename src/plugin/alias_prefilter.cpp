#include "plugin/alias_prefilter.h"

#include <algorithm>

#include "core/text.h"

namespace BotCommand {
namespace {

// A requirement list: every match contains a character of each set.
using Requirements = std::vector<std::u16string>;

constexpr std::size_t kUnbounded = static_cast<std::size_t>(-1);

// What the reader learns of a pattern or a part of it: the requirements and
// the longest text (in characters) it can match.
struct Shape {
  Requirements needs;
  std::size_t longest = 0;
};

std::size_t AddLengths(std::size_t a, std::size_t b) { return a == kUnbounded || b == kUnbounded ? kUnbounded : a + b; }

// Reads the subset of Perl syntax the alias patterns use. Anything it does
// not understand yields no requirement and no bound, which is always safe.
class PatternReader {
 public:
  explicit PatternReader(std::u16string_view pattern) : p_(pattern) {}

  Shape Read() {
    Shape shape = Alternation();
    if (failed_ || pos_ != p_.size()) return {{}, kUnbounded};
    return shape;
  }

 private:
  static constexpr std::size_t kMaxSetsPerBranch = 4;
  static constexpr std::size_t kMaxAlternativeSets = 16;

  bool AtEnd() const { return pos_ >= p_.size(); }

  // Sets that tell more first: fewer characters, a kanji before a kana.
  static void ByWeight(Requirements& r) {
    auto weight = [](const std::u16string& s) {
      std::size_t w = 0;
      for (char16_t c : s) w += (c >= 0x4E00 && c <= 0x9FFF) ? 2 : 3;
      return w;
    };
    std::stable_sort(r.begin(), r.end(),
                     [&](const std::u16string& a, const std::u16string& b) { return weight(a) < weight(b); });
  }

  // A match of "A|B" is a match of A or of B, so it contains a character of
  // (a set A needs) united with (a set B needs), for every such pair: the
  // alternation needs the unions of one set from each branch.
  Shape Alternation() {
    std::vector<Shape> branches{Sequence()};
    while (!AtEnd() && p_[pos_] == u'|') {
      ++pos_;
      branches.push_back(Sequence());
    }
    if (branches.size() == 1) return branches[0];
    Shape shape;
    Requirements unions{u""};
    for (Shape& b : branches) {
      shape.longest =
          b.longest == kUnbounded || shape.longest == kUnbounded ? kUnbounded : std::max(shape.longest, b.longest);
      if (b.needs.empty()) unions.clear();  // a branch that needs nothing
      ByWeight(b.needs);
      if (b.needs.size() > kMaxSetsPerBranch) b.needs.resize(kMaxSetsPerBranch);
      Requirements next;
      for (const std::u16string& u : unions) {
        for (const std::u16string& set : b.needs) {
          if (next.size() < kMaxAlternativeSets) next.push_back(u + set);
        }
      }
      unions = next;
    }
    shape.needs = unions;
    return shape;
  }

  Shape Sequence() {
    Shape all;
    while (!AtEnd() && p_[pos_] != u'|' && p_[pos_] != u')') {
      Shape atom = Atom();
      if (failed_) return {{}, kUnbounded};
      if (!AtEnd() && (p_[pos_] == u'?' || p_[pos_] == u'*' || p_[pos_] == u'+' || p_[pos_] == u'{')) {
        const char16_t q = p_[pos_++];
        if (q != u'+') atom.needs.clear();  // may be absent
        if (q != u'?') atom.longest = kUnbounded;
        if (q == u'{') {
          while (!AtEnd() && p_[pos_] != u'}') ++pos_;
          if (AtEnd()) return Fail();
          ++pos_;
        }
        if (!AtEnd() && (p_[pos_] == u'?' || p_[pos_] == u'+')) ++pos_;  // lazy or possessive
      }
      all.needs.insert(all.needs.end(), atom.needs.begin(), atom.needs.end());
      all.longest = AddLengths(all.longest, atom.longest);
    }
    return all;
  }

  Shape Atom() {
    const char16_t c = p_[pos_++];
    switch (c) {
      case u'(': {
        bool plain = true;
        if (!AtEnd() && p_[pos_] == u'?') {
          plain = pos_ + 1 < p_.size() && p_[pos_ + 1] == u':';
          pos_ += 2;
        }
        Shape inner = Alternation();
        if (AtEnd() || p_[pos_] != u')') return Fail();
        ++pos_;
        return plain ? inner : Shape{{}, kUnbounded};
      }
      case u'[': return Class();
      case u'\\': {
        if (AtEnd()) return Fail();
        const char16_t e = p_[pos_++];
        if (std::u16string_view(u"dDwWsS").find(e) != std::u16string_view::npos) return {{}, 1};  // one character
        if ((e >= u'a' && e <= u'z') || (e >= u'A' && e <= u'Z') || (e >= u'0' && e <= u'9')) return {{}, kUnbounded};
        return {{std::u16string(1, e)}, 1};
      }
      case u'.': return {{}, 1};
      case u'^':
      case u'$': return {{}, 0};
      case u')':
      case u'|': return Fail();
      default: return {{std::u16string(1, c)}, 1};
    }
  }

  // "[...]": the listed characters, unless the class is negated, holds a
  // range or a class escape (then it adds no requirement). One character.
  Shape Class() {
    bool usable = true;
    if (!AtEnd() && p_[pos_] == u'^') {
      usable = false;
      ++pos_;
    }
    std::u16string members;
    bool first = true;
    while (!AtEnd() && (p_[pos_] != u']' || first)) {
      first = false;
      char16_t c = p_[pos_++];
      if (c == u'\\') {
        if (AtEnd()) return Fail();
        c = p_[pos_++];
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) usable = false;
      } else if (c == u'-' && !members.empty() && !AtEnd() && p_[pos_] != u']') {
        usable = false;  // a range
      } else if (c == u'[') {
        return Fail();  // a POSIX class or a nested set: not followed
      }
      members.push_back(c);
    }
    if (AtEnd()) return Fail();
    ++pos_;
    if (!usable || members.empty()) return {{}, 1};
    return {{members}, 1};
  }

  Shape Fail() {
    failed_ = true;
    return {{}, kUnbounded};
  }

  std::u16string_view p_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

std::u16string Folded(std::u16string text) {
  mirado::FoldForMatch(text);
  return text;
}

// The neighbours after a character that can change what it folds to: the
// sound marks (half width, and the full-width and combining ones a platform's
// mapping may join to a kana), and the small vowels that turn ヴ into バ, ビ,
// ベ, ボ, in each of their forms (also after a sound mark: ｳﾞｧ).
const char16_t* const kFoldNeighbours[] = {
    u"\uFF9E", u"\uFF9F", u"\u309B", u"\u309C", u"\u3099", u"\u309A", u"ァ",     u"ィ",     u"ェ",
    u"ォ",     u"ぁ",     u"ぃ",     u"ぇ",     u"ぉ",     u"\uFF67", u"\uFF68", u"\uFF6A", u"\uFF6B",
};

bool IsKana(char16_t c) { return (c >= 0x3040 && c <= 0x30FF) || (c >= 0xFF61 && c <= 0xFF9F); }

}  // namespace

std::vector<std::u16string> AliasPrefilter::CuesOf(std::u16string_view pattern) {
  std::vector<std::u16string> cues;
  for (const std::u16string& set : PatternReader(pattern).Read().needs) {
    // Cues compare folded: a character that folds away (a long-vowel mark, a
    // small ッ) can be no cue, and then neither can its set.
    std::u16string folded;
    bool usable = true;
    for (char16_t c : set) {
      const std::u16string f = Folded(std::u16string(1, c));
      if (f.empty()) usable = false;
      folded += f;
    }
    if (!usable) continue;
    std::sort(folded.begin(), folded.end());
    folded.erase(std::unique(folded.begin(), folded.end()), folded.end());
    cues.push_back(folded);
  }
  return cues;
}

int AliasPrefilter::CueId(const std::u16string& chars) {
  const auto it = std::find(cues_.begin(), cues_.end(), chars);
  if (it != cues_.end()) return static_cast<int>(it - cues_.begin());
  if (cues_.size() >= kMaxCues) return -1;  // no room: the row simply needs less
  cues_.push_back(chars);
  return static_cast<int>(cues_.size() - 1);
}

std::size_t AliasPrefilter::LongestMatchOf(std::u16string_view pattern) {
  return PatternReader(pattern).Read().longest;
}

AliasPrefilter::AliasPrefilter(const std::vector<Row>& rows) : slot_(0x10000, 0) {
  for (std::size_t i = 0; i < rows.size() && i < kMaxRows; ++i) {
    CueSet needs;
    for (const std::u16string& cue : CuesOf(rows[i].pattern)) {
      const int id = CueId(cue);
      if (id >= 0) needs.set(static_cast<std::size_t>(id));
    }
    row_needs_.push_back(needs);
    // Folding changes a line's length, so only a row matched as typed can
    // turn a line away by its length.
    row_longest_.push_back(rows[i].as_typed ? LongestMatchOf(rows[i].pattern) : kUnbounded);
  }
}

const AliasPrefilter::CueSet& AliasPrefilter::CuesOfCharacter(char16_t c) {
  if (slot_[c] != 0) return seen_[slot_[c] - 1];
  // What this character can contribute to the folded line: its own fold, and
  // with a neighbour what the pair folds to beyond the neighbour's own fold
  // (the neighbour, when present, contributes that itself).
  std::u16string contributes = Folded(std::u16string(1, c));
  if (IsKana(c)) {
    for (const char16_t* neighbour : kFoldNeighbours) {
      for (const char16_t* mark : {u"", u"\uFF9E"}) {
        const std::u16string after = std::u16string(mark) + neighbour;
        const std::u16string alone = Folded(after);
        for (char16_t f : Folded(std::u16string(1, c) + after)) {
          if (alone.find(f) == std::u16string::npos) contributes.push_back(f);
        }
      }
    }
  }
  CueSet hits;
  for (std::size_t id = 0; id < cues_.size(); ++id) {
    if (cues_[id].find_first_of(contributes) != std::u16string::npos) hits.set(id);
  }
  if (seen_.size() >= 0xFFFF) {  // cannot happen with code page 932 text; stays correct anyway
    scratch_ = hits;
    return scratch_;
  }
  seen_.push_back(hits);
  slot_[c] = static_cast<uint16_t>(seen_.size());
  return seen_.back();
}

AliasPrefilter::RowSet AliasPrefilter::Candidates(std::u16string_view line) {
  CueSet present;
  std::size_t characters = 0;
  for (char16_t c : line) {
    present |= CuesOfCharacter(c);
    characters += c < 0xDC00 || c > 0xDFFF;  // a surrogate pair is one character
  }
  RowSet rows;
  for (std::size_t i = 0; i < row_needs_.size(); ++i) {
    if ((row_needs_[i] & ~present).none() && characters <= row_longest_[i]) rows.set(i);
  }
  return rows;
}

}  // namespace BotCommand
