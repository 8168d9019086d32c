// A stand-in for the card maker's driver library, with every entry point the
// program binds. Every entry point counts its calls; GetNumCards answers the
// count the test sets (two unless set). Built with
// PX_FIXTURE_WITHOUT_WATCHDOG_KICK it lacks one entry point.
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "portio/driverlibrary.h"

namespace {

int entryPointCalls = 0;
int numCardsCalls = 0;
std::int32_t numCards = 2;

template <typename T>
T Answer(bool isNumCards) {
  ++entryPointCalls;
  if (isNumCards) ++numCardsCalls;
  if constexpr (std::is_same_v<T, std::int32_t>) return isNumCards ? numCards : 0;
  if constexpr (!std::is_void_v<T> && !std::is_same_v<T, std::int32_t>) return T{};
}

}  // namespace

#ifdef PX_FIXTURE_WITHOUT_WATCHDOG_KICK
// Exported under another name, so that the library lacks WatchdogKick.
#define WatchdogKick WatchdogKickLeftOut
#endif

#pragma GCC diagnostic ignored "-Wunused-parameter"
#define PX_FIXTURE_ENTRY(name, result, params)                           \
  extern "C" __attribute__((visibility("default"))) result name params { \
    return Answer<result>(std::string_view(#name) == "GetNumCards");     \
  }
PX_DRIVER_ENTRY_POINTS(PX_FIXTURE_ENTRY)
#undef PX_FIXTURE_ENTRY

// What the tests read back or set through dlsym.
extern "C" __attribute__((visibility("default"))) int FixtureEntryPointCalls() {
  return entryPointCalls;
}
extern "C" __attribute__((visibility("default"))) int FixtureNumCardsCalls() {
  return numCardsCalls;
}
extern "C" __attribute__((visibility("default"))) void FixtureSetNumCards(std::int32_t count) {
  numCards = count;
}
