#include "hardwarebackend.h"

#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define PX_HAVE_PORT_IO 1
#endif

THardwareBackend::THardwareBackend(TRawPortIo raw) : raw_(std::move(raw)) {}

bool THardwareBackend::Granted(std::uint16_t port) {
  for (const TPortRange& range : kGrantedPorts)
    if (range.Contains(port)) return true;
  return false;
}

std::uint32_t THardwareBackend::In(std::uint16_t port) {
  if (!Granted(port)) return kOpenBus;
  return raw_.in(port);
}

void THardwareBackend::Out(std::uint16_t port, std::uint8_t value) {
  if (Granted(port)) raw_.out(port, value);
}

bool HaveProcessorPortIo() {
#ifdef PX_HAVE_PORT_IO
  return true;
#else
  return false;
#endif
}

TRawPortIo ProcessorPortIo() {
#ifdef PX_HAVE_PORT_IO
  return {[](std::uint16_t port) { return inb(port); },
          [](std::uint16_t port, std::uint8_t value) { outb(value, port); }};
#else
  return {[](std::uint16_t) { return std::uint8_t(kOpenBus); }, [](std::uint16_t, std::uint8_t) {}};
#endif
}
