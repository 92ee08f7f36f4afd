// Compiled as a file of the core: an upward include, which must not build.
#include "core/text.h"
#include "dice/dice.h"
