// What one "#SET" line asks for, read from its parameters before anything is
// written: the INIT forms, the first counter value, the closed-dice
// destination (or its deletion), the critical and fumble lists and the memo.
#ifndef MIRADO_STATE_SET_COUNTER_REQUEST_H_
#define MIRADO_STATE_SET_COUNTER_REQUEST_H_

#include <cstdint>
#include <string>

namespace CounterStore {

struct SetCounterRequest {
  bool wipe_channel = false;     // INIT CH / LIST / ALL, INITCH, INITALL ...
  bool reset_character = false;  // INIT alone (or with anything else)
  bool has_counter = false;
  int32_t counter = 0;  // the first counter value of the line
  bool set_destination = false;
  bool delete_destination = false;
  std::string destination;  // the last non-empty S= / SECRET=
  std::string critical;     // "10,11,12"
  std::string fumble;
  bool has_memo = false;
  std::string memo;  // the last MEMO=

  bool AnythingRecognised() const {
    return wipe_channel || reset_character || has_counter || set_destination || delete_destination ||
           !critical.empty() || !fumble.empty() || has_memo;
  }
};

// Reads the five parameter slots (up to the first empty one). A slot that
// matches no form is ignored.
SetCounterRequest ReadSetCounterRequest(char* const* params);

}  // namespace CounterStore

#endif  // MIRADO_STATE_SET_COUNTER_REQUEST_H_
