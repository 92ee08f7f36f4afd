// Compiled as a file of the tables: its own files and the core's face, which
// must build (so the probes above fail for the include alone).
#include "core/text.h"
#include "tables/tables.h"
