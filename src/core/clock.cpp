#include "core/clock.h"

#include "platform/platform.h"

namespace mirado {

int64_t NowSeconds() { return platform::NowSeconds(); }

}  // namespace mirado
