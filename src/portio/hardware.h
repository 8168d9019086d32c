#pragma once
// Port access on a real machine. Call at the very start of main, before any
// toolkit object or thread exists: it asks the kernel for the ports the
// program may touch (0x61 and 0x100 to 0x3FF), installs the hardware backend
// when that succeeded, and then gives up every privilege the process started
// with. Without port access every read answers "driver not loaded".
#include <memory>

#include "hardwarebackend.h"

// The hardware backend over the processor's port instructions, or nullptr
// where the processor has none.
std::unique_ptr<TPortBackend> MakeHardwareBackend();

// Returns true when port access was granted. Exits the process when the
// privileges cannot be given up.
bool AcquireHardwarePortAccess();

// Gives up every capability and, when the program runs as root through sudo
// (SUDO_UID and SUDO_GID), takes the invoking user's ids; a program
// installed set-user-id or set-group-id takes the real ids. Nothing gained
// later through exec. Returns false if a step failed.
bool DropPrivileges();
