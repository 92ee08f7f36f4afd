// What the table tests share: replies under a pinned seed, seeds found by
// their reference dice, and the check that every row of a table turns up.
#ifndef MIRADO_TABLES_TABLE_TEST_SUPPORT_H_
#define MIRADO_TABLES_TABLE_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <random>
#include <set>
#include <string>
#include <utility>

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

// The first seed whose reference sequence satisfies `wanted` (given a fresh
// std::mt19937 of that seed).
inline uint32_t SeedWhere(const std::function<bool(std::mt19937&)>& wanted) {
  for (uint32_t seed = 1; seed < 2000000; ++seed) {
    std::mt19937 reference(seed);
    if (wanted(reference)) return seed;
  }
  ADD_FAILURE() << "no seed found";
  return 0;
}

// The first seed whose reference outputs start with these remainders: each
// pair is a modulus (the faces of a die) and the wanted remainder.
inline uint32_t SeedStarting(std::initializer_list<std::pair<uint32_t, uint32_t>> draws) {
  return SeedWhere([&](std::mt19937& r) {
    for (const auto& [faces, value] : draws) {
      if (r() % faces != value) return false;
    }
    return true;
  });
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

// Runs `line` under `seeds` seeds and expects every row of `column` of
// `table` among the replies.
inline void ExpectEveryRow(const std::string& line, const Data::DataTable& table, int32_t column,
                           uint32_t seeds = 3000) {
  std::set<int32_t> missing;
  for (int32_t row = 0; row < table.rows; ++row) missing.insert(row);
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

}  // namespace Tables::testing

#endif  // MIRADO_TABLES_TABLE_TEST_SUPPORT_H_
