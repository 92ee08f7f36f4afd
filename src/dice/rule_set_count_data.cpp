// Body locations of the set-counting roll with locations ("BRKA"), by face.
#include "dice/rule_data.h"

namespace Dice {

const char* const kBodyLocations[6] = {"頭部", "右腕", "左腕", "右脚", "左脚", "胴体"};

}  // namespace Dice
