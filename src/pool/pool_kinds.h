// The pool kinds: the base every kind derives from, the Fiasco pool, and the
// table that names them. Private to the pool subsystem.
#ifndef MIRADO_POOL_POOL_KINDS_H_
#define MIRADO_POOL_POOL_KINDS_H_

#include <cstddef>
#include <string>
#include <vector>

namespace PoolCommand {

// A pool kind. Each call creates one object, fills the fields, runs one
// operation and destroys it. Operations write the settings file and set or
// add to OutputText, the "NOTICE <Key> :..." lines of the answer, each ended
// by CR LF.
class PoolAbstract {
 public:
  PoolAbstract() = default;
  virtual ~PoolAbstract() = default;
  PoolAbstract(const PoolAbstract&) = delete;
  PoolAbstract& operator=(const PoolAbstract&) = delete;

  // Adds the kind line (long form) and the pool line.
  virtual void Show(bool long_form);
  // Rolls a new pool from the arguments after the kind name; replaces the
  // output.
  virtual void Setup() = 0;
  // Deletes the pool, then sets up a new one with the same arguments.
  virtual void Reset();
  // Adds the dice the arguments name.
  virtual void Add() = 0;
  // Removes the dice the arguments name, where the pool holds them.
  virtual void Remove() = 0;

  // Deletes the pool's two keys; replaces the output with the deletion line.
  void DeletePool();
  // The same without a pool object, for deleting a pool whatever its kind:
  // the deletion line, or empty with `write_failed` set.
  static std::string DeleteEntries(const std::string& path, const std::string& key, bool* write_failed);

  std::string OutputText;
  std::string Key;  // the reply target: the pool's key and every line's target
  std::string Nick;
  std::vector<std::u16string> Arguments;  // parameters after the sub-command
  std::string SettingsPath;
  std::string DisplayName;
  std::string NickKey;
  std::string GameModeCode;
  // A settings write failed: nothing of the operation may be claimed, and
  // OutputText is cleared.
  bool WriteFailed = false;

 protected:
  // Writes (or with null deletes) the pool's entry in `section`; false, with
  // WriteFailed set and the output cleared, when the file was not written.
  bool Store(const char* section, const char* value);
  // Appends "NOTICE <Key> :<text>\r\n".
  void AddLine(const std::string& text);
};

// The Fiasco pool: black and white dice, two of each per player.
class Fiasco : public PoolAbstract {
 public:
  void Setup() override;
  void Add() override;
  void Remove() override;
};

// One row per pool kind: a kind name matching `Pattern` (whole text, case
// ignored) creates its object. A new kind is one row and a class with the
// three pure operations.
struct PoolKindEntry {
  const char16_t* Pattern;
  PoolAbstract* (*Factory)();
};
extern const PoolKindEntry kPoolKindTable[];
extern const std::size_t kPoolKindTableSize;

// The settings sections of a pool, keyed by the reply target.
inline constexpr const char* kPoolSection = "Pool";
inline constexpr const char* kPoolModeSection = "Pool.Mode";

}  // namespace PoolCommand

#endif  // MIRADO_POOL_POOL_KINDS_H_
