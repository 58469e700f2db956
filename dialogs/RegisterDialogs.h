// The dedicated dialogs of the menu: DedicatedDialogs lists each one with the
// handler name of the command that opens it. See dialogs/README.md for how to
// add one.
#pragma once

#include <vector>

#include "editors/DialogContext.h"

// Every dedicated dialog built so far, with its factory. The program hands
// the list to the menu once, before the main window (and with it the menu
// bar) is built; a command whose dialog is listed is enabled, the others stay
// disabled.
std::vector<DedicatedDialog> DedicatedDialogs();
