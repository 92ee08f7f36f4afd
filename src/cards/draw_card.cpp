// The card command: a channel's deck lives in four keys named by the reply
// target (seed, cards dealt, kind, option); the order itself is never stored
// but rebuilt from the seed on every draw.
#include <string>

#include "cards/cards.h"
#include "cards/deck_clock.h"
#include "cards/deck_deal.h"
#include "cards/deck_kinds.h"
#include "core/first_match.h"
#include "core/settings_store.h"
#include "core/text.h"

namespace BotCommand {
namespace {

constexpr const char* kSeedSection = "CardShuffle";
constexpr const char* kCountSection = "CardCount";
constexpr const char* kKindSection = "CardMode1";
constexpr const char* kOptionSection = "CardMode2";
// INIT forgets the deck in this order.
constexpr const char* kDeckSections[] = {kSeedSection, kCountSection, kKindSection, kOptionSection};

constexpr const char* kExhaustedNotice = "カードが尽きました。デッキを再設定します。";
// A record changed by hand into something no deck writes: the deck starts
// over rather than deal from an order that does not match its count.
constexpr const char* kUnreadableNotice = "デッキの記録が読み取れないため、デッキを再設定します。";

// "NOTICE <target> :<text>", the form of the deck's own notices.
bool Notice(ReplyWriter& reply, const char* target, const std::string& text) {
  std::string line;
  mirado::FormatToString(line, kReplyBufferSize, "NOTICE %s :%s", target, text.c_str());
  return reply.Line(line);
}

std::string DecimalText(int32_t seed) {
  std::string text;
  mirado::FormatToString(text, kShortSize, "%d", seed);
  return text;
}

// The card's line: label, arrow, card, orientation and the cards left.
bool CardLine(ReplyWriter& reply, const Cards::DeckKind& deck, const char* target, const std::string& label,
              const Cards::Deal& deal) {
  std::string text;
  switch (deck.shape) {
    case Cards::LineShape::kSpaced:
      mirado::FormatToString(text, kLineSize, "%s%s （残り%d/%d）", deal.card.c_str(), deal.orientation, deal.left,
                             deal.size);
      return reply.Notice(target, label, text);
    case Cards::LineShape::kPlain:
      mirado::FormatToString(text, kLineSize, "%s%s（残り%d/%d）", deal.card.c_str(), deal.orientation, deal.left,
                             deal.size);
      return reply.Notice(target, label, text);
    case Cards::LineShape::kTight:
      mirado::FormatToString(text, kLineSize, "NOTICE %s :%s ->%s%s（残り%d/%d）", target, label.c_str(),
                             deal.card.c_str(), deal.orientation, deal.left, deal.size);
      return reply.Line(text);
  }
  return false;
}

}  // namespace

void DrawCard::Execute() {
  for (int i = 0; i < 3; ++i) mirado::ToHalfWidth(Params[i] != nullptr ? Params[i] : "", words_[i], kLineSize);
  struct SubCommand {
    const char* pattern;
    void (DrawCard::*run)();
  };
  static constexpr SubCommand kSubCommands[] = {
      {"INIT", &DrawCard::Initialise},
      {"RESET", &DrawCard::ResetDeck},
      {"SET", &DrawCard::SetDeck},
      {"\\?", &DrawCard::ShowDeck},
  };
  if (const SubCommand* sub = mirado::FirstMatch(kSubCommands, &SubCommand::pattern, words_[0])) {
    return (this->*sub->run)();
  }
  Draw();
}

void DrawCard::Initialise() {
  for (const char* section : kDeckSections) {
    if (!SettingsStore::WriteString(SettingsPath, section, ReplyTarget, nullptr)) {
      Say("%s", SettingsStore::WriteFailureMessage());
      return;
    }
  }
  Notice(Reply, ReplyTarget, "デッキ設定を初期化しました。");
}

void DrawCard::ResetDeck() {
  if (!SettingsStore::WriteString(SettingsPath, kSeedSection, ReplyTarget,
                                  DecimalText(Cards::SeedFromClock()).c_str()) ||
      !SettingsStore::WriteString(SettingsPath, kCountSection, ReplyTarget, "0")) {
    Say("%s", SettingsStore::WriteFailureMessage());
    return;
  }
  Notice(Reply, ReplyTarget, "カードをデッキに戻しました。");
}

void DrawCard::SetDeck() {
  const char* kind = words_[1];
  const char* option = words_[2];
  if (mirado::FullMatch(kind, "0|1|2")) {
    // "SET 2": a standard deck with two jokers.
    option = kind;
    kind = "STD";
  } else if (kind[0] == '\0' || !mirado::IsPrintableAscii(kind)) {
    return;
  }
  const bool keep_option = option[0] != '\0' && mirado::IsPrintableAscii(option);
  if (!SettingsStore::WriteString(SettingsPath, kKindSection, ReplyTarget, kind) ||
      !SettingsStore::WriteString(SettingsPath, kOptionSection, ReplyTarget, keep_option ? option : nullptr) ||
      !SettingsStore::WriteString(SettingsPath, kCountSection, ReplyTarget, "0") ||
      !SettingsStore::WriteString(SettingsPath, kSeedSection, ReplyTarget,
                                  DecimalText(Cards::SeedFromClock()).c_str())) {
    Say("%s", SettingsStore::WriteFailureMessage());
    return;
  }
  Notice(Reply, ReplyTarget, "デッキを設定しました。");
}

void DrawCard::ShowDeck() {
  const std::string kind = SettingsStore::ReadString(SettingsPath, kKindSection, ReplyTarget, "未設定");
  const std::string option = SettingsStore::ReadString(SettingsPath, kOptionSection, ReplyTarget, "未設定");
  const std::string count = SettingsStore::ReadString(SettingsPath, kCountSection, ReplyTarget, "0");
  std::string text;
  mirado::FormatToString(text, kLineSize, "種類：%s ／ オプション：%s ／ ドロー枚数：%s", kind.c_str(), option.c_str(),
                         count.c_str());
  Notice(Reply, ReplyTarget, text);
}

void DrawCard::Draw() {
  const std::string kind = SettingsStore::ReadString(SettingsPath, kKindSection, ReplyTarget, "");
  const std::string option = SettingsStore::ReadString(SettingsPath, kOptionSection, ReplyTarget, "");
  if (kind.empty()) {
    Notice(Reply, ReplyTarget, "デッキがありませんっ");
    return;
  }
  // A kind word no deck answers to was stored by SET; its draws stay silent.
  const Cards::DeckKind* deck = Cards::FindDeckKind(kind.c_str(), option.c_str());
  if (deck == nullptr) return;
  const Cards::Deal deal =
      Cards::DealCard(*deck, option.c_str(), SettingsStore::ReadString(SettingsPath, kSeedSection, ReplyTarget, ""),
                      SettingsStore::ReadString(SettingsPath, kCountSection, ReplyTarget, ""));

  // Face down, the channel sees that a card was taken and the card goes to
  // the drawer alone, labelled with the channel it came from.
  const bool face_down = mirado::FullMatch(words_[0], "B|BACK");
  const char* target = face_down ? Nick : ReplyTarget;
  std::string label = Name();
  if (face_down) {
    mirado::FormatToString(label, kShortSize * 2, "[%s] %s", ReplyTarget, Name());
    label.resize(mirado::CharacterPrefix(label, kShortSize - 1));
  }

  // Every line fits, or the card is not dealt: the record changes only
  // when the drawer can see what was drawn.
  const std::size_t mark = Reply.Mark();
  bool written = !face_down || Say("裏向きでドローしました。");
  if (deal.restart != Cards::Restart::kNone) {
    written = written &&
              Notice(Reply, target, deal.restart == Cards::Restart::kExhausted ? kExhaustedNotice : kUnreadableNotice);
  }
  written = written && CardLine(Reply, *deck, target, label, deal);
  if (deal.exhausted) written = written && Notice(Reply, target, kExhaustedNotice);
  if (!written) {
    Reply.Rewind(mark);
    return;
  }
  if ((deal.new_seed &&
       !SettingsStore::WriteString(SettingsPath, kSeedSection, ReplyTarget, DecimalText(deal.seed).c_str())) ||
      !SettingsStore::WriteString(SettingsPath, kCountSection, ReplyTarget, DecimalText(deal.count).c_str())) {
    Reply.Rewind(mark);
    Say("%s", SettingsStore::WriteFailureMessage());
  }
}

}  // namespace BotCommand
