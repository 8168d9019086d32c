#pragma once
// The card maker's driver library, bound on demand by file name. Binding
// resolves all 33 of its entry points; only GetNumCards is ever called, and
// only through DriverCardCount. A library missing any of the names is not
// used at all. A bound library stays loaded until the process ends.
#include <cstdint>
#include <string>

// Found through the system's library search unless a path is given.
constexpr const char* kDriverLibraryFileName = "libORVANEWDM.so";

// name, result, parameters; by group.
#define PX_DRIVER_ENTRY_POINTS(X)                                                                           \
  /* card enumeration and queries */                                                                        \
  X(GetNumCards, std::int32_t, ())                                                                          \
  X(GetCardBaseAddress, std::uint32_t, (std::int32_t card, std::int32_t region))                            \
  X(GetCardIrq, std::int32_t, (std::int32_t card))                                                          \
  /* interrupt waits, request abort, card close */                                                          \
  X(WaitForInterrupt, std::int32_t, (std::int32_t card, std::uint32_t timeoutMs))                           \
  X(WaitForInterruptCount, std::int32_t, (std::int32_t card, std::uint32_t count, std::uint32_t timeoutMs)) \
  X(WaitForAnyInterrupt, std::int32_t, (std::uint32_t timeoutMs))                                           \
  X(AbortRequest, std::int32_t, (std::int32_t card))                                                        \
  X(CloseCard, std::int32_t, (std::int32_t card))                                                           \
  /* watchdog control and emergency reboot */                                                               \
  X(WatchdogEnable, std::int32_t, (std::int32_t card, std::uint32_t timeoutMs))                             \
  X(WatchdogDisable, std::int32_t, (std::int32_t card))                                                     \
  X(WatchdogKick, std::int32_t, (std::int32_t card))                                                        \
  X(WatchdogSetTimeout, std::int32_t, (std::int32_t card, std::uint32_t timeoutMs))                         \
  X(WatchdogGetTimeout, std::uint32_t, (std::int32_t card))                                                 \
  X(WatchdogGetStatus, std::int32_t, (std::int32_t card))                                                   \
  X(WatchdogClearStatus, std::int32_t, (std::int32_t card))                                                 \
  X(WatchdogSetAction, std::int32_t, (std::int32_t card, std::int32_t action))                              \
  X(EmergencyReboot, std::int32_t, ())                                                                      \
  /* absolute port reads and writes */                                                                      \
  X(ReadPortByte, std::uint8_t, (std::uint32_t port))                                                       \
  X(ReadPortWord, std::uint16_t, (std::uint32_t port))                                                      \
  X(ReadPortDword, std::uint32_t, (std::uint32_t port))                                                     \
  X(ReadPortBytes, std::int32_t, (std::uint32_t port, std::uint8_t * buffer, std::uint32_t count))          \
  X(WritePortByte, void, (std::uint32_t port, std::uint8_t value))                                          \
  X(WritePortWord, void, (std::uint32_t port, std::uint16_t value))                                         \
  X(WritePortDword, void, (std::uint32_t port, std::uint32_t value))                                        \
  X(WritePortBytes, std::int32_t, (std::uint32_t port, const std::uint8_t* buffer, std::uint32_t count))    \
  /* port reads and writes relative to a card's base address */                                             \
  X(ReadCardByte, std::uint8_t, (std::int32_t card, std::uint32_t offset))                                  \
  X(ReadCardWord, std::uint16_t, (std::int32_t card, std::uint32_t offset))                                 \
  X(ReadCardDword, std::uint32_t, (std::int32_t card, std::uint32_t offset))                                \
  X(ReadCardBytes, std::int32_t,                                                                            \
    (std::int32_t card, std::uint32_t offset, std::uint8_t * buffer, std::uint32_t count))                  \
  X(WriteCardByte, void, (std::int32_t card, std::uint32_t offset, std::uint8_t value))                     \
  X(WriteCardWord, void, (std::int32_t card, std::uint32_t offset, std::uint16_t value))                    \
  X(WriteCardDword, void, (std::int32_t card, std::uint32_t offset, std::uint32_t value))                   \
  X(WriteCardBytes, std::int32_t,                                                                           \
    (std::int32_t card, std::uint32_t offset, const std::uint8_t* buffer, std::uint32_t count))

// One variable per entry point, null while unresolved.
namespace DriverEntry {
#define PX_DECLARE_DRIVER_ENTRY(name, result, params) \
  using T##name = result(*) params;                   \
  extern T##name name;
PX_DRIVER_ENTRY_POINTS(PX_DECLARE_DRIVER_ENTRY)
#undef PX_DECLARE_DRIVER_ENTRY
}  // namespace DriverEntry

#define PX_COUNT_DRIVER_ENTRY(name, result, params) +1
constexpr int kDriverEntryPointCount = 0 PX_DRIVER_ENTRY_POINTS(PX_COUNT_DRIVER_ENTRY);
#undef PX_COUNT_DRIVER_ENTRY

// Binds the library unless it is bound already. Sets DriverLibraryLoaded
// only when every entry point resolved; otherwise every entry point stays
// unresolved and a later call tries again.
void LoadDriverLibrary();
bool DriverLibraryLoaded();

// The number of the maker's cards in the machine: GetNumCards when the
// library is bound, else 0.
std::int32_t DriverCardCount();

// The file LoadDriverLibrary opens: kDriverLibraryFileName unless set.
const std::string& DriverLibraryFileName();
void SetDriverLibraryFileName(std::string fileName);

// How many entry-point variables hold an address.
int ResolvedDriverEntryPoints();
