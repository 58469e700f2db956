#include "editors/Version.h"

const char* ProgramVersion() { return "0.1"; }
