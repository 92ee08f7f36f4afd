// Compiled as a host file: a plug-in header other than mirado.h, which must
// not build.
#include "core/bot_command.h"
#include "mirado/mirado.h"
