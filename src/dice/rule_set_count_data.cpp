// Body locations of the set-counting roll with locations ("BRKA"), by face.
#include "dice/rules_second_set.h"

namespace Dice::SecondSet {

const char* const kBodyLocations[6] = {"頭部", "右腕", "左腕", "右脚", "左脚", "胴体"};

}  // namespace Dice::SecondSet
