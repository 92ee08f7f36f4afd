// Shared helpers of the unit tests and transcripts: a private settings folder,
// the random source pinned to a known seed, and calls of the entry points.
//
// Test files are compiled like the plug-in, so their narrow literals are code
// page 932 too: compare answers with Japanese literals directly.
#ifndef MIRADO_TESTS_SUPPORT_TEST_SUPPORT_H_
#define MIRADO_TESTS_SUPPORT_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace mirado::testing {

// Value of a --name=value argument given to the test program, or "".
std::string Flag(const std::string& name);
// Runs `hook` once the arguments are known, before the tests run (for tests
// registered at run time). Returns true, so it can initialise a static.
bool OnStartup(void (*hook)());

// A fresh, empty folder for Mirado.ini, made the plug-in's folder for the
// lifetime of the object (and removed afterwards).
class TempSettings {
 public:
  TempSettings();
  ~TempSettings();
  const std::string& dir() const { return dir_; }
  // Full path of Mirado.ini in it.
  std::string path() const { return dir_ + "Mirado.ini"; }
  // Replaces the file's content (raw bytes).
  void Write(const std::string& content) const;
  std::string Read() const;

 private:
  std::string dir_;
};

// Pins the clock the roll commands reseed from, so every command seeds the
// generator with `seed`. Expected dice come from std::mt19937, which computes
// the reference sequence independently of the code under test.
class PinnedRandom {
 public:
  explicit PinnedRandom(uint32_t seed);
  ~PinnedRandom();
  // The reference generator for `seed`, from its start.
  std::mt19937 Reference() const { return std::mt19937(seed_); }
  // The first `count` dice of `faces` faces (1-based) of the reference sequence.
  std::vector<int> Dice(int count, uint32_t faces) const;

 private:
  uint32_t seed_;
};

// Forces the next outputs of the random source (through its one forced-draw
// seam) while the object lives: every die, pick and shuffle draws them in
// order, so a test states the dice it wants ({2, 5}: a 1D6 of 3, then 6).
// Reseeding does not change them. A draw past the list fails the test, and
// so does a list not drawn to its end (the code drew fewer dice than the
// test meant), unless `exact` is false.
// With `then_seed`, the list is a prefix: the outputs after it come from a
// reference std::mt19937 of that seed, from its start.
class ForcedDraws {
 public:
  explicit ForcedDraws(std::vector<uint32_t> draws, bool exact = true);
  ForcedDraws(std::vector<uint32_t> draws, uint32_t then_seed);
  ~ForcedDraws();
  ForcedDraws(const ForcedDraws&) = delete;
  ForcedDraws& operator=(const ForcedDraws&) = delete;
  // How many of the forced outputs were drawn so far.
  std::size_t drawn() const;
  // How many outputs were drawn in all (the list's and the reference's):
  // the work a roll did, for tests that bound it.
  static std::size_t total();
  static void ResetTotal();

 private:
  bool exact_;
};

// Calls Command (the core's entry point) with a fresh 4096-byte buffer and
// returns the buffer's content.
std::string CallCommand(const std::string& nick, const std::string& channel, const std::string& text);
// The non-empty CR LF-separated lines of a reply.
std::vector<std::string> Lines(const std::string& reply);

// Code page 932 <-> UTF-8 for files and messages.
std::string ToCp932(const std::string& utf8);
std::string ToUtf8(const std::string& cp932);

// True when the Windows build runs under wine. Wine 8 differs from Windows in
// two details of the profile functions (a written value keeps its trailing
// spaces; a whole-section read includes lines without '='); tests of those
// exact bytes skip them there, since the store above copes with both.
bool UnderWine();

}  // namespace mirado::testing

#endif  // MIRADO_TESTS_SUPPORT_TEST_SUPPORT_H_
