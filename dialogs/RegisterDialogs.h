// The dedicated dialogs of the menu: RegisterDedicatedDialogs makes each one
// reachable from its menu command. See dialogs/README.md for how to add one.
#pragma once

// Registers the factory of every dedicated dialog built so far. The program
// calls it once, before the main window (and with it the menu bar) is built;
// a command whose dialog is registered is enabled, the others stay disabled.
void RegisterDedicatedDialogs();
