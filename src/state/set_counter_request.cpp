#include "state/set_counter_request.h"

#include <string_view>
#include <vector>

#include "core/sizes.h"
#include "core/text.h"

namespace CounterStore {
namespace {

using Groups = std::vector<std::u16string>;

void ReadCounterValue(SetCounterRequest& request, const std::string& value) {
  // Only the first counter value of a line counts: "#SET 3 7" stores 3.
  if (request.has_counter) return;
  request.has_counter = true;
  request.counter = mirado::ParseNumber(value.c_str());
}

void ReadDestination(SetCounterRequest& request, const std::string& value) {
  if (value.empty()) {
    request.delete_destination = true;
  } else {
    request.destination = value;
    request.set_destination = true;
  }
}

// Appends one value to a comma-separated list of at most 255 bytes (a line
// holds five values at most, so the list is never cut in practice).
void AppendValue(std::string& list, const std::string& value) {
  const int32_t number = mirado::ParseNumber(value.c_str());
  if (list.empty()) {
    mirado::FormatToString(list, BotCommand::kShortSize, "%d", number);
  } else {
    mirado::FormatToString(list, BotCommand::kShortSize, "%s,%d", list.c_str(), number);
  }
}

void ReadCritical(SetCounterRequest& request, const std::string& value) { AppendValue(request.critical, value); }
void ReadFumble(SetCounterRequest& request, const std::string& value) { AppendValue(request.fumble, value); }

void ReadMemo(SetCounterRequest& request, const std::string& value) {
  request.memo = value;
  request.has_memo = true;
}

// The forms of a SET parameter, tried in this order; the first that matches
// the whole parameter takes it, with its group 1 as the value.
struct SetForm {
  const char16_t* pattern;
  void (*read)(SetCounterRequest&, const std::string&);
};

const SetForm kSetForms[] = {
    {uR"([=＝]?([\+\-＋ー―－‐]*[\d０-９]+))", ReadCounterValue},
    {uR"([SＳ](?:[EＥ][CＣ][RＲ][EＥ][TＴ])?[=＝](.*))", ReadDestination},
    {uR"([CＣ][=＝]?([\+\-＋ー―－‐]*[\d０-９]+))", ReadCritical},
    {uR"([FＦ][=＝]?([\+\-＋ー―－‐]*[\d０-９]+))", ReadFumble},
    {uR"([MＭ][EＥ][MＭ][OＯ][=＝]?(.*))", ReadMemo},
};

constexpr const char16_t* kChannelWord = uR"(CH(ANN?EL)?|LIST|ALL)";

}  // namespace

SetCounterRequest ReadSetCounterRequest(char* const* params) {
  SetCounterRequest request;
  std::vector<std::u16string> slots;
  for (std::size_t i = 0; i < BotCommand::kParamCount && params[i] != nullptr && params[i][0] != '\0'; ++i) {
    slots.push_back(mirado::ToWide(params[i]));
  }
  if (slots.empty()) return request;

  // The sub-command words in full width mean the same ("ＩＮＩＴ"); the forms
  // below take full-width letters themselves and keep a memo as typed.
  const std::u16string first = mirado::FoldAsciiWidth(slots[0]);
  if (mirado::FullMatchWide(first, u"INIT")) {
    if (slots.size() > 1 && mirado::FullMatchWide(mirado::FoldAsciiWidth(slots[1]), kChannelWord)) {
      request.wipe_channel = true;
    } else {
      request.reset_character = true;
    }
    return request;
  }
  if (mirado::FullMatchWide(first, uR"(INIT(CH(ANN?EL)?|LIST|ALL))")) {
    request.wipe_channel = true;
    return request;
  }
  for (const std::u16string& slot : slots) {
    Groups groups;
    for (const SetForm& form : kSetForms) {
      if (mirado::FullMatchWide(slot, form.pattern, &groups)) {
        form.read(request, mirado::ToNarrow(groups.size() > 1 ? groups[1] : std::u16string()));
        break;
      }
    }
  }
  return request;
}

}  // namespace CounterStore
