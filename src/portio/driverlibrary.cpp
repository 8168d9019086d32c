#include "driverlibrary.h"

#include <dlfcn.h>
#include <utility>

static_assert(kDriverEntryPointCount == 33);

namespace DriverEntry {
#define PX_DEFINE_DRIVER_ENTRY(name, result, params) T##name name = nullptr;
PX_DRIVER_ENTRY_POINTS(PX_DEFINE_DRIVER_ENTRY)
#undef PX_DEFINE_DRIVER_ENTRY
}  // namespace DriverEntry

namespace {

bool loaded = false;

std::string& FileName() {
  static std::string fileName = kDriverLibraryFileName;
  return fileName;
}

// Resolves every entry point, each into its own variable; true when all did.
bool ResolveAll(void* library) {
  bool all = true;
#define PX_RESOLVE_DRIVER_ENTRY(name, result, params)                                \
  DriverEntry::name = reinterpret_cast<DriverEntry::T##name>(dlsym(library, #name)); \
  all = all && DriverEntry::name != nullptr;
  PX_DRIVER_ENTRY_POINTS(PX_RESOLVE_DRIVER_ENTRY)
#undef PX_RESOLVE_DRIVER_ENTRY
  return all;
}

void UnresolveAll() {
#define PX_UNRESOLVE_DRIVER_ENTRY(name, result, params) DriverEntry::name = nullptr;
  PX_DRIVER_ENTRY_POINTS(PX_UNRESOLVE_DRIVER_ENTRY)
#undef PX_UNRESOLVE_DRIVER_ENTRY
}

}  // namespace

void LoadDriverLibrary() {
  if (loaded) return;
  // Stays loaded until the process ends, bound or not.
  void* library = dlopen(FileName().c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) return;
  loaded = ResolveAll(library);
  // Half a library is none: nothing may call into it.
  if (!loaded) UnresolveAll();
}

bool DriverLibraryLoaded() {
  return loaded;
}

std::int32_t DriverCardCount() {
  return loaded ? DriverEntry::GetNumCards() : 0;
}

const std::string& DriverLibraryFileName() {
  return FileName();
}

void SetDriverLibraryFileName(std::string fileName) {
  FileName() = std::move(fileName);
}

int ResolvedDriverEntryPoints() {
  int count = 0;
#define PX_COUNT_RESOLVED_DRIVER_ENTRY(name, result, params) count += DriverEntry::name != nullptr;
  PX_DRIVER_ENTRY_POINTS(PX_COUNT_RESOLVED_DRIVER_ENTRY)
#undef PX_COUNT_RESOLVED_DRIVER_ENTRY
  return count;
}
