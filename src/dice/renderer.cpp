// Writes a token list back as text: the echoed expression, or the dice detail.
#include <string>

#include "core/text.h"
#include "dice/dice.h"

namespace Dice {
namespace {

// The written form of a non-keyword token; null when it has none.
const char* OperatorForm(int32_t type) {
  switch (type) {
    case kPlus: return "+";
    case kMinus:
    case kNegate: return "-";
    case kTimes: return "*";
    case kDivide: return "/";
    case kModulo: return "%%";  // percent signs in roll texts are written doubled
    case kPower: return "^";
    case kOpen: return "(";
    case kClose: return ")";
    default: return nullptr;
  }
}

void AppendValues(std::string& out, const TokenList& list, int32_t type, char mark) {
  bool first = true;
  for (int i = 0; i < kTokenCount && list[i].type != kEnd; ++i) {
    if (list[i].type != type) continue;
    out += first ? mark : ',';
    out += std::to_string(list[i].value);
    first = false;
  }
}

}  // namespace

void Render(const TokenList& list, RenderMode mode, char* out) {
  std::string text;
  for (int i = 0; i < kTokenCount && list[i].type != kEnd && text.size() < kTextSize; ++i) {
    const RollToken& token = list[i];
    if (token.type == kCriticalValue || token.type == kFumbleValue) continue;
    if (mode == RenderMode::kDetail && token.text[0] != '\0') {
      text += token.text;
    } else if (token.type == kNumber) {
      text += std::to_string(token.Number());
    } else if (const char* form = token.type >= kFirstKeyword ? WrittenForm(token.type) : OperatorForm(token.type)) {
      text += form;
    } else {
      break;
    }
  }
  if (mode == RenderMode::kExpression) {
    AppendValues(text, list, kCriticalValue, '@');
    AppendValues(text, list, kFumbleValue, '#');
  }
  mirado::CopyText(out, kTextSize, text);
}

}  // namespace Dice
