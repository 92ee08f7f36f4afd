// Writes a token list back as text: the echoed expression, or the dice detail.
#include <string_view>

#include "core/text.h"
#include "dice/engine.h"

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

void AppendValues(mirado::BoundedText& out, const TokenList& list, int32_t type, char mark) {
  bool first = true;
  for (int i = 0; i < kTokenCount && list[i].type != kEnd; ++i) {
    if (list[i].type != type) continue;
    const char separator = first ? mark : ',';
    out.Add(std::string_view(&separator, 1));
    out.Add(static_cast<int64_t>(list[i].value));
    first = false;
  }
}

}  // namespace

void Render(const TokenList& list, RenderMode mode, char* out) {
  mirado::BoundedText text(out, kTextSize);
  for (int i = 0; i < kTokenCount && list[i].type != kEnd && !text.Full(); ++i) {
    const RollToken& token = list[i];
    if (token.type == kCriticalValue || token.type == kFumbleValue) continue;
    if (mode == RenderMode::kDetail && token.text[0] != '\0') {
      text.Add(token.text);
    } else if (token.type == kNumber) {
      text.Add(token.Number());
    } else if (const char* form = token.type >= kFirstKeyword ? WrittenForm(token.type) : OperatorForm(token.type)) {
      text.Add(form);
    } else {
      break;
    }
  }
  if (mode == RenderMode::kExpression) {
    AppendValues(text, list, kCriticalValue, '@');
    AppendValues(text, list, kFumbleValue, '#');
  }
}

}  // namespace Dice
