// The pool command: chooses the sub-command, finds the channel's pool kind
// and runs one operation of a pool object of that kind.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/first_match.h"
#include "core/settings_store.h"
#include "core/text.h"
#include "pool/pool.h"
#include "pool/pool_kinds.h"

namespace BotCommand {
namespace {

enum class Operation { kShow, kSetup, kDelete, kReset, kAdd, kRemove };

// What a matched sub-command word leaves of argument 0.
enum class Consumes { kWord, kFirstCharacter, kNothing };

struct SubCommand {
  const char16_t* pattern;
  Operation operation;
  Consumes consumes;
};

// Searched in order; the first whole-text match wins, and a word that
// matches none adds the dice it names ("POOL B3 W5").
constexpr SubCommand kSubCommands[] = {
    {u"\\?|CONFIRM", Operation::kShow, Consumes::kWord},
    {u"=|SET", Operation::kSetup, Consumes::kWord},
    {u"INIT?(IAL(IZE?))?|DEL(ETE)?", Operation::kDelete, Consumes::kWord},
    {u"RESET", Operation::kReset, Consumes::kWord},
    {u"<|ADD|PUSH", Operation::kAdd, Consumes::kWord},
    {u">|GET|POP|RE?M(OVE?)?", Operation::kRemove, Consumes::kWord},
    {u"=.+", Operation::kSetup, Consumes::kFirstCharacter},
    {u"<.+", Operation::kAdd, Consumes::kFirstCharacter},
    {u">.+", Operation::kRemove, Consumes::kFirstCharacter},
};

PoolCommand::PoolAbstract* (*FindKind(const std::string& kind))() {
  const std::span<const PoolCommand::PoolKindEntry> kinds(PoolCommand::kPoolKindTable, PoolCommand::kPoolKindTableSize);
  const auto* row = mirado::FirstMatch(kinds, &PoolCommand::PoolKindEntry::Pattern, mirado::ToWide(kind));
  return row != nullptr ? row->Factory : nullptr;
}

}  // namespace

void PoolDice::Execute() {
  std::vector<std::u16string> arguments;
  for (char* param : Params) {
    if (param == nullptr || param[0] == '\0') continue;
    char folded[kLineSize];
    mirado::ToHalfWidth(param, folded, sizeof folded);
    arguments.push_back(mirado::ToWide(folded));
  }
  if (arguments.empty()) return;

  Operation operation = Operation::kAdd;
  if (const SubCommand* sub = mirado::FirstMatch(kSubCommands, &SubCommand::pattern, arguments[0])) {
    operation = sub->operation;
    if (sub->consumes == Consumes::kWord) arguments.erase(arguments.begin());
    if (sub->consumes == Consumes::kFirstCharacter) arguments[0].erase(0, 1);
  }

  auto answer = [this](const std::string& text) {
    std::string line;
    mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :%s", ReplyTarget, text.c_str());
    Reply.Line(line);
  };
  // Deleting needs no kind: it also clears a pool whose kind is unknown.
  if (operation == Operation::kDelete) {
    // The text first: whether the write failed is known only after it.
    bool failed = false;
    const std::string text = PoolCommand::PoolAbstract::DeleteEntries(SettingsPath, ReplyTarget, &failed);
    return WriteLines(text, failed);
  }
  // Set-up names the kind; every other operation uses the pool's own.
  std::string kind;
  if (operation == Operation::kSetup) {
    if (arguments.empty()) return answer("ダイスプールの種別を指定してください。");
    kind = mirado::ToNarrow(arguments[0]);
    arguments.erase(arguments.begin());
  } else {
    kind = SettingsStore::ReadString(SettingsPath, PoolCommand::kPoolModeSection, ReplyTarget, "");
    if (kind.empty()) return answer("ダイスプールがセットされていません。");
  }
  auto factory = FindKind(kind);
  if (factory == nullptr) return answer("ダイスプール種別の取得に失敗しました。種別名にミスが無いか確認して下さい。");
  std::unique_ptr<PoolCommand::PoolAbstract> pool(factory());
  if (!pool) return;
  pool->Key = ReplyTarget;
  pool->Nick = Nick;
  pool->Arguments = std::move(arguments);
  pool->SettingsPath = SettingsPath;
  pool->DisplayName = Name();
  pool->NickKey = NickKey;
  pool->GameModeCode = ModeCode();
  switch (operation) {
    case Operation::kShow: pool->Show(true); break;
    case Operation::kSetup: pool->Setup(); break;
    case Operation::kDelete: pool->DeletePool(); break;
    case Operation::kReset: pool->Reset(); break;
    case Operation::kAdd: pool->Add(); break;
    case Operation::kRemove: pool->Remove(); break;
  }
  WriteLines(pool->OutputText, pool->WriteFailed);
}

void PoolDice::WriteLines(const std::string& text, bool write_failed) {
  if (write_failed) {
    Say("%s", SettingsStore::WriteFailureMessage());
    return;
  }
  // The pool's lines, each written whole.
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    if (end > start && !Reply.Line(text.substr(start, end - start))) break;
    start = end + 2;
  }
}

}  // namespace BotCommand
