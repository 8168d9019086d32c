// A driver library for the tests: every entry point of the maker's library,
// each answering nothing, except GetNumCards, which answers the count the
// test sets with FixtureSetNumCards.
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "portio/driverlibrary.h"

namespace {

std::int32_t numCards = 0;

template <typename T>
T Answer(std::string_view name) {
  if constexpr (std::is_same_v<T, std::int32_t>) {
    if (name == "GetNumCards") return numCards;
  }
  if constexpr (!std::is_void_v<T>) return T{};
}

}  // namespace

#pragma GCC diagnostic ignored "-Wunused-parameter"
#define PX_FIXTURE_ENTRY(name, result, params)                           \
  extern "C" __attribute__((visibility("default"))) result name params { \
    return Answer<result>(#name);                                        \
  }
PX_DRIVER_ENTRY_POINTS(PX_FIXTURE_ENTRY)
#undef PX_FIXTURE_ENTRY

extern "C" __attribute__((visibility("default"))) void FixtureSetNumCards(std::int32_t count) {
  numCards = count;
}
