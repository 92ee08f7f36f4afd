#include "tables/table_kit.h"

#include <cstdio>

#include "core/first_match.h"
#include "core/random_source.h"
#include "core/text.h"

namespace Tables {

int32_t Data::DataTable::ColumnIndex(const char* name) const {
  for (int32_t i = 0; i < columns; ++i) {
    if (std::string_view(column[i].name) == name) return i;
  }
  return -1;
}

// ---- Dice ------------------------------------------------------------------------

int32_t RowsOf(Data::DiceKind dice) {
  switch (dice) {
    case Data::DiceKind::k1D6: return 6;
    case Data::DiceKind::k2D6: return 11;
    case Data::DiceKind::kD66:
    case Data::DiceKind::kD66SecondTens: return 36;
    case Data::DiceKind::kHalfD66: return 18;
    case Data::DiceKind::kOrderedD66: return 21;
    case Data::DiceKind::k1D10: return 10;
    case Data::DiceKind::k2D10: return 19;
    case Data::DiceKind::kD100: return 100;
    case Data::DiceKind::kDraw:
    case Data::DiceKind::kNone: return 0;
  }
  return 0;
}

TableRoll RollTable(Data::DiceKind dice, int32_t rows) {
  using RandomSource::Draw;
  TableRoll roll;
  switch (dice) {
    case Data::DiceKind::k1D6:
    case Data::DiceKind::k1D10:
      roll.row = Draw(dice == Data::DiceKind::k1D6 ? 6 : 10);
      roll.shown = roll.row + 1;
      break;
    case Data::DiceKind::k2D6: {
      const int32_t first = Draw(6);
      roll.row = first + Draw(6);
      roll.shown = roll.row + 2;
      break;
    }
    case Data::DiceKind::k2D10: {
      const int32_t first = Draw(10);
      roll.row = first + Draw(10);
      roll.shown = roll.row;
      break;
    }
    case Data::DiceKind::kD66:
    case Data::DiceKind::kD66SecondTens:
    case Data::DiceKind::kHalfD66: {
      const int32_t first = Draw(6);
      const int32_t second = Draw(6);
      const bool second_tens = dice == Data::DiceKind::kD66SecondTens;
      const int32_t tens = second_tens ? second : first, ones = second_tens ? first : second;
      roll.row = dice == Data::DiceKind::kHalfD66 ? tens * 3 + ones / 2 : tens * 6 + ones;
      roll.tens = tens + 1;
      roll.ones = ones + 1;
      roll.shown = roll.tens * 10 + roll.ones;
      break;
    }
    case Data::DiceKind::kOrderedD66: {
      int32_t low = 0, high = 0;
      roll.row = RandomSource::RollPairIndex(&low, &high);
      roll.tens = low + 1;
      roll.ones = high + 1;
      roll.shown = roll.tens * 10 + roll.ones;
      break;
    }
    case Data::DiceKind::kD100:
      roll.row = Draw(100);
      roll.shown = (roll.row + 1) % 100;
      break;
    case Data::DiceKind::kDraw:
    case Data::DiceKind::kNone:
      roll.row = Draw(rows);
      roll.shown = roll.row + 1;
      break;
  }
  return roll;
}

int32_t DrawWeightedSlot(const int32_t* weights, std::size_t stride, int32_t rows, int32_t* slot) {
  const auto weight_of = [&](int32_t row) {
    return *reinterpret_cast<const int32_t*>(reinterpret_cast<const char*>(weights) +
                                             static_cast<std::size_t>(row) * stride);
  };
  int64_t slots = 0;
  for (int32_t row = 0; row < rows; ++row) {
    if (weight_of(row) > 0) slots += weight_of(row);
  }
  const int32_t drawn = RandomSource::Draw(slots > INT32_MAX ? INT32_MAX : static_cast<int32_t>(slots));
  if (slot != nullptr) *slot = drawn;
  int64_t start = 0;
  for (int32_t row = 0; row < rows; ++row) {
    const int32_t weight = weight_of(row);
    if (weight <= 0) continue;
    if (drawn < start + weight) return row;
    start += weight;
  }
  return 0;
}

// ---- Kind words ------------------------------------------------------------------

int32_t KindSelector::Select(const char* word) const {
  std::u16string wide;
  if (folding == KindFolding::kHalfWidth) {
    char half[BotCommand::kLineSize];
    mirado::ToHalfWidth(word, half, sizeof half);
    wide = mirado::ToWide(half);
  } else {
    wide = mirado::ToWide(word);
    if (folding == KindFolding::kFolded) mirado::FoldForMatch(wide);
  }
  const KindRow* hit =
      last_hit ? mirado::LastMatch(kinds, &KindRow::pattern, wide) : mirado::FirstMatch(kinds, &KindRow::pattern, wide);
  if (hit != nullptr) return static_cast<int32_t>(hit - kinds.data());
  switch (fallback) {
    case KindFallback::kNoReply: return -1;
    case KindFallback::kFirstKind: return 0;
    case KindFallback::kDrawnKind: return (RandomSource::Next32() & 1u) != 0 ? 0 : 1;
  }
  return -1;
}

// ---- Reply lines -----------------------------------------------------------------

bool FormatReply(std::string_view format, std::span<const ReplyValue> values, std::string* out) {
  out->clear();
  std::size_t next = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      out->push_back(format[i]);
      continue;
    }
    // A conversion: flags "-", "0", "+", a width, then s or d.
    std::size_t j = i + 1;
    if (j < format.size() && format[j] == '%') {
      out->push_back('%');
      i = j;
      continue;
    }
    bool left = false, zero = false, plus = false;
    for (; j < format.size() && (format[j] == '-' || format[j] == '0' || format[j] == '+'); ++j) {
      left |= format[j] == '-';
      zero |= format[j] == '0';
      plus |= format[j] == '+';
    }
    int width = 0;
    for (; j < format.size() && format[j] >= '0' && format[j] <= '9' && width < 100; ++j)
      width = width * 10 + (format[j] - '0');
    if (j >= format.size() || next >= values.size()) return out->clear(), false;
    const ReplyValue& value = values[next++];
    char piece[64];
    if (format[j] == 's' && value.is_text && !zero && !plus) {
      std::string text(value.text);
      if (static_cast<int>(text.size()) < width) {
        text.insert(left ? text.size() : 0, static_cast<std::size_t>(width) - text.size(), ' ');
      }
      out->append(text);
    } else if (format[j] == 'd' && !value.is_text && !left) {
      const long long number = value.number;
      if (plus) {
        std::snprintf(piece, sizeof piece, "%+*lld", width, number);
      } else if (zero) {
        std::snprintf(piece, sizeof piece, "%0*lld", width, number);
      } else {
        std::snprintf(piece, sizeof piece, "%*lld", width, number);
      }
      out->append(piece);
    } else {
      return out->clear(), false;
    }
    i = j;
  }
  if (next != values.size()) return out->clear(), false;
  return true;
}

bool SayText(BotCommand::BotCommandAbstract& out, std::string_view text, bool tight) {
  const char* const target = out.ReplyTarget != nullptr ? out.ReplyTarget : "";
  if (!tight) return out.Reply.Notice(target, out.Name(), text);
  std::string line = "NOTICE ";
  line += target;
  line += " :";
  line += out.Name();
  line += " ->";
  line += text;
  return out.Reply.Line(line);
}

namespace {

ReplyValue FieldValue(const ReplyField& field, const Data::DataTable& data, int32_t row, const TableRoll& roll,
                      const char* kind_name, std::string* scratch) {
  switch (field.kind) {
    case FillKind::kShown: return ReplyValue::Number(roll.shown);
    case FillKind::kTens: return ReplyValue::Number(roll.tens);
    case FillKind::kOnes: return ReplyValue::Number(roll.ones);
    case FillKind::kKind: return ReplyValue::Text(kind_name);
    case FillKind::kText: return ReplyValue::Text(data.Text(row, field.column));
    case FillKind::kNumber: return ReplyValue::Number(data.Number(row, field.column));
    case FillKind::kWrapped: {
      const std::string_view text = data.Text(row, field.column);
      scratch->clear();
      if (!text.empty()) {
        const std::string_view wrap = field.wrap;
        const std::size_t mark = wrap.find("%s");
        scratch->append(wrap.substr(0, mark));
        if (mark != std::string_view::npos) scratch->append(text).append(wrap.substr(mark + 2));
      }
      return ReplyValue::Text(*scratch);
    }
    case FillKind::kWord: return ReplyValue::Text(field.words[data.Number(row, field.column) != 0 ? 1 : 0]);
  }
  return ReplyValue::Text("");
}

}  // namespace

void ServeTable(BotCommand::BotCommandAbstract& out, const DescribedTable& table, const TableWords& words) {
  const Data::DataTable& data = *table.data;
  int32_t kind = 0;
  const char* kind_name = "";
  if (table.kinds != nullptr) {
    kind = table.kinds->Select(words[1]);
    if (kind < 0 || kind >= data.blocks) return;
    kind_name = table.kinds->kinds[static_cast<std::size_t>(kind)].name;
  }
  const TableRoll roll = RollTable(data.dice, data.block_rows);
  const int32_t row = kind * data.block_rows + roll.row;
  for (int32_t i = 0; i < table.line_count; ++i) {
    const ReplyLineForm& line = table.lines[i];
    ReplyValue values[8];
    std::string scratch[8];
    const int32_t count = line.field_count < 8 ? line.field_count : 8;
    for (int32_t f = 0; f < count; ++f) {
      values[f] = FieldValue(line.fields[f], data, row, roll, kind_name, &scratch[f]);
    }
    std::string text;
    if (!FormatReply(line.format, std::span<const ReplyValue>(values, static_cast<std::size_t>(count)), &text)) return;
    if (!SayText(out, text, line.tight)) return;
  }
}

}  // namespace Tables
