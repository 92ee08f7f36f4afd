// Card decks: one deck per channel, of one of the deck kinds, dealt from an
// order rebuilt from the deck's stored seed on every draw. The public face of
// the subsystem: the plug-in's command table creates DrawCard.
#ifndef MIRADO_CARDS_CARDS_H_
#define MIRADO_CARDS_CARDS_H_

#include "core/bot_command.h"

namespace BotCommand {

// "#CARD ...": SET a deck, RESET it, INIT (forget it), "?" (show it), or
// draw one card, face up, or face down with B / BACK.
class DrawCard : public BotCommandAbstract {
 public:
  void Execute() override;

 private:
  void Initialise();
  void ResetDeck();
  void SetDeck();
  void ShowDeck();
  void Draw();

  // Parameters 0 to 2 folded to half width (full-width letters and digits
  // typed with a Japanese input method read as ASCII).
  char words_[3][kLineSize] = {};
};

}  // namespace BotCommand

#endif  // MIRADO_CARDS_CARDS_H_
