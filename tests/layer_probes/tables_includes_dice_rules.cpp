// Compiled as a file of the tables: a sideways include into the dice
// engine's internals, which must not build.
#include "dice/rules.h"
#include "tables/tables.h"
