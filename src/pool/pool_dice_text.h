// Dice as the pool writes and reads them: a die named in a parameter (B3,
// b:3, W=5), and the stored pool text ("B1 B3 W2 ", each colour ascending).
#ifndef MIRADO_POOL_POOL_DICE_TEXT_H_
#define MIRADO_POOL_POOL_DICE_TEXT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace PoolCommand {

// The stored pool text never grows past what one line of the settings file
// and one answer line can hold.
constexpr std::size_t kMaxPoolText = 1023;

struct PoolDiceSet {
  std::vector<int32_t> black;
  std::vector<int32_t> white;
  std::size_t size() const { return black.size() + white.size(); }
};

// Reads a parameter as a die and adds it to its colour; false (nothing
// added) for anything else, a face too large for a number included.
bool ReadDie(std::u16string_view text, PoolDiceSet* dice);
// The dice of a stored pool text: pieces between spaces, each read as a die;
// pieces that are no die are left out.
PoolDiceSet ParsePoolText(const std::string& text);
// Sorts each colour ascending and writes "B<face> " per black die, then
// "W<face> " per white die.
std::string PoolText(PoolDiceSet& dice);
// "[<prefix><face>]" per die of one colour, in the order held.
std::string DiceDisplay(const std::vector<int32_t>& faces, const char* prefix);

}  // namespace PoolCommand

#endif  // MIRADO_POOL_POOL_DICE_TEXT_H_
