// What the table tests share: replies under a pinned seed or under draws the
// test states, and the check that every row of a table turns up.
#ifndef MIRADO_TABLES_TABLE_TEST_SUPPORT_H_
#define MIRADO_TABLES_TABLE_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/test_support.h"
#include "tables/table_data.h"

namespace Tables::testing {

// The reply to `line`, typed by taro in #trpg, with every reseed giving `seed`.
// A table's reply is written over the buffer, so on an empty one its first
// line starts the buffer; the expectations here write every line with the
// CR LF in front (Head()), so one is put before the first line.
inline std::string Answer(const std::string& line, uint32_t seed) {
  mirado::testing::PinnedRandom pinned(seed);
  const std::string reply = mirado::testing::CallCommand("taro", "#trpg", line);
  return reply.rfind("NOTICE ", 0) == 0 ? "\r\n" + reply : reply;
}

// Draws a test states: the outputs the random source gives first (a die of
// N faces reads output % N), then those of a reference std::mt19937 of
// `then_seed`, from its start.
struct Draws {
  std::vector<uint32_t> first;
  uint32_t then_seed = 1;
};
// The draws that start with these faces: each pair is the faces of a die
// and the wanted zero-based face.
inline Draws Faces(std::initializer_list<std::pair<uint32_t, uint32_t>> faces, uint32_t then_seed = 1) {
  Draws draws;
  for (const auto& [count, face] : faces) draws.first.push_back(face % count);
  draws.then_seed = then_seed;
  return draws;
}

// The draws of the commonest rolls: one six-sided die showing 1 or 6, and
// two showing 1 and 1 or 6 and 6.
inline const Draws kDieOne = Faces({{6, 0}});
inline const Draws kDieSix = Faces({{6, 5}});
inline const Draws kDiceOneOne = Faces({{6, 0}, {6, 0}});
inline const Draws kDiceSixSix = Faces({{6, 5}, {6, 5}});

// The draws giving these die faces (1-based) in order: the output face - 1,
// which a D6 reads as that face and a D3 as (face - 1) % 3 + 1.
inline Draws DieFaces(std::initializer_list<uint32_t> faces) {
  Draws draws;
  for (const uint32_t face : faces) draws.first.push_back(face - 1);
  return draws;
}

// The reply to `line`, typed by taro in #trpg, with the random source giving
// `draws` (every reseed leaves them in place).
inline std::string Answer(const std::string& line, const Draws& draws) {
  mirado::testing::ForcedDraws forced(draws.first, draws.then_seed);
  const std::string reply = mirado::testing::CallCommand("taro", "#trpg", line);
  return reply.rfind("NOTICE ", 0) == 0 ? "\r\n" + reply : reply;
}

// The start every answer line of taro in #trpg has.
inline std::string Head() { return "\r\nNOTICE #trpg :taro -> "; }

// True when `reply` holds the text of `row` in order, the row's "%s" and
// "%d" marks standing for whatever the table filled in.
inline bool HoldsRow(const std::string& reply, const std::string& row) {
  std::size_t from = 0, pos = 0;
  while (pos <= row.size()) {
    std::size_t mark = row.find('%', pos);
    while (mark != std::string::npos && mark + 1 < row.size() && row[mark + 1] != 's' && row[mark + 1] != 'd') {
      mark = row.find('%', mark + 1);
    }
    const std::string piece = row.substr(pos, mark == std::string::npos ? std::string::npos : mark - pos);
    if (!piece.empty()) {
      const std::size_t found = reply.find(piece, from);
      if (found == std::string::npos) return false;
      from = found + piece.size();
    }
    if (mark == std::string::npos) break;
    pos = mark + 2;
  }
  return true;
}

// Runs `line` under `seeds` seeds and expects rows `first` to `end` - 1 of
// `column` of `table` among the replies.
inline void ExpectRowsDrawn(const std::string& line, const Data::DataTable& table, int32_t column, int32_t first,
                            int32_t end, uint32_t seeds) {
  std::set<int32_t> missing;
  for (int32_t row = first; row < end && row < table.rows; ++row) missing.insert(row);
  for (uint32_t seed = 1; seed <= seeds && !missing.empty(); ++seed) {
    const std::string reply = Answer(line, seed);
    for (auto it = missing.begin(); it != missing.end();) {
      if (HoldsRow(reply, table.Text(*it, column))) {
        it = missing.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (int32_t row : missing) ADD_FAILURE() << table.name << " row " << row << " never drawn by " << line;
}

// Runs `line` under `seeds` seeds and expects every row of `column` of
// `table` among the replies.
inline void ExpectEveryRow(const std::string& line, const Data::DataTable& table, int32_t column,
                           uint32_t seeds = 3000) {
  ExpectRowsDrawn(line, table, column, 0, table.rows, seeds);
}

// The same for a table of kinds: `lines[i]` must draw every row of block i.
inline void ExpectEveryRowOfEachBlock(std::initializer_list<std::string> lines, const Data::DataTable& table,
                                      int32_t column, uint32_t seeds = 3000) {
  int32_t block = 0;
  for (const std::string& line : lines) {
    ExpectRowsDrawn(line, table, column, block * table.block_rows, (block + 1) * table.block_rows, seeds);
    ++block;
  }
}

// The words that pick one kind, the kind's name a reply shows and the kind
// (block) they pick.
struct KindWords {
  const char* name;
  int32_t kind;
  std::initializer_list<const char*> words;
};
// Expects `line_start` followed by each word, under `draws`, to answer
// `expected(name, kind)`.
template <typename Expected>
void ExpectKindWords(const std::string& line_start, std::initializer_list<KindWords> kinds, const Draws& draws,
                     Expected expected) {
  for (const KindWords& kind : kinds) {
    for (const char* word : kind.words) {
      EXPECT_EQ(Answer(line_start + word, draws), expected(kind.name, kind.kind)) << line_start << word;
    }
  }
}

}  // namespace Tables::testing

// The helpers every table test uses, without a using-declaration each.
namespace Tables {
using testing::Answer;
using testing::ExpectEveryRow;
using testing::Faces;
using testing::Head;
}  // namespace Tables

#endif  // MIRADO_TABLES_TABLE_TEST_SUPPORT_H_
