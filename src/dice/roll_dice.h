// The roll commands: the roll, the counting roll and the two closed rolls,
// which run the roll in their own mode. Private to the dice engine: the
// command table reaches them through the factories of dice.h.
#ifndef MIRADO_DICE_ROLL_DICE_H_
#define MIRADO_DICE_ROLL_DICE_H_

#include <string>

#include "core/bot_command.h"
#include "dice/engine.h"

namespace BotCommand {

// Answers a dice expression (parameter 0; with counting or closed rolls a
// channel may come first). Serves the roll row of the command table, every
// prefixed word that names no command, and every un-prefixed chat line.
class RollDice : public BotCommandAbstract {
 public:
  void Execute() override;
  // The roll itself; returns 0, or nonzero when it was abandoned.
  int Roll();

  // Takes over the context of the command that runs this roll.
  void TakeContext(const BotCommandAbstract& from);

 private:
  struct Outcome;
  // The named steps of one call: the expression (with the counter channel or
  // closed destination and "=" in front of it) and its comparison suffix; one
  // repetition rolled; its result line; the counter or erosion change it
  // brings; the closed-roll destination and its permission.
  void ReadExpression(char* expression, std::string* channel, bool* set_mode);
  int RollOnce(const char* expression, Outcome& out);
  void WriteResult(const Outcome& out, std::string* line);
  bool ApplyCounter(const Outcome& out, const std::string& channel, bool set_mode, std::string* note,
                    std::string* second_line, std::string* stored);
  bool CheckClosedDestination(std::string* destination, const std::string& channel);

 public:
  bool answerAlways = true;
  bool counterMode = false;
  bool closedMode = false;
  bool hideExpression = false;
  int compareOp = 0;
  Dice::Fraction compareTarget;  // exact, as typed
  int repeatCount = 1;
};

// "#COUNT [channel] [=]expression": rolls and adds the result to the speaker's
// counter (or, after "=", stores it there).
class Count : public BotCommandAbstract {
 public:
  void Execute() override;
};

// "#S [destination] expression": a closed roll; the destination only learns
// that a roll was made, and from where.
class RollDice_HideAll : public BotCommandAbstract {
 public:
  void Execute() override;
};

// "#SD [destination] expression": a closed roll whose announcement shows the
// expression but not the result.
class RollDice_HideResult : public BotCommandAbstract {
 public:
  void Execute() override;
};

}  // namespace BotCommand

#endif  // MIRADO_DICE_ROLL_DICE_H_
