// A group of settings writes that lands whole or not at all, as far as the
// file allows: each write first remembers the key's old value (or that it was
// absent), and when one write fails the earlier ones are put back, so a line
// such as "#SET 10 C10 F2" never leaves the counter stored without its lists.
#ifndef MIRADO_STATE_SETTINGS_CHANGE_H_
#define MIRADO_STATE_SETTINGS_CHANGE_H_

#include <string>
#include <string_view>
#include <vector>

namespace CounterStore {

class SettingsChange {
 public:
  explicit SettingsChange(const char* path) : path_(path) {}

  // Writes `value` under `key` of `section`; a null value deletes the key.
  // False when the write failed: the earlier writes of this change have then
  // been undone (best effort: the file refused one write already).
  bool Write(std::string_view section, std::string_view key, const char* value);

 private:
  struct Previous {
    std::string section, key, value;
    bool present;
  };
  void Undo();

  const char* path_;
  std::vector<Previous> done_;
};

}  // namespace CounterStore

#endif  // MIRADO_STATE_SETTINGS_CHANGE_H_
