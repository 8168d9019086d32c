#pragma once
// Port access on a real machine. Call at the very start of main, before any
// toolkit object or thread exists: it asks the kernel for the ports the
// program may touch (0x61 and 0x100 to 0x3FF), installs the hardware backend
// when that succeeded, and then gives up every privilege the process started
// with. Without port access every read answers "driver not loaded".
#include <cstdint>
#include <memory>

#include "portio.h"

struct TPortRange {
  std::uint16_t first;
  std::uint16_t count;
  constexpr bool Contains(std::uint16_t port) const { return port >= first && port - first < count; }
};

// The system speaker port, read once at start-up to detect port access.
constexpr TPortRange kSpeakerPort{0x61, 1};
// The ISA card space; the system's own controllers below 0x100 are never asked for.
constexpr TPortRange kCardPorts{0x100, 0x300};

// Reads and writes ports directly; a port outside the granted ranges is
// never touched: it reads 0xFF and a write does nothing.
std::unique_ptr<TPortBackend> MakeHardwareBackend();

// Returns true when port access was granted.
bool AcquireHardwarePortAccess();

// Gives up capabilities and, when started through sudo, the root identity.
// Returns false if a step failed (the process then exits rather than run
// with privileges it should not have).
bool DropPrivileges();
