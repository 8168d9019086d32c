#pragma once
// The backend of a real machine: reads and writes the processor's I/O ports,
// but only those the program asked the kernel for. A port outside them is
// never touched: it reads 0xFF, like an empty bus, and a write does nothing.
#include <cstdint>
#include <functional>

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
constexpr TPortRange kGrantedPorts[] = {kSpeakerPort, kCardPorts};

// The instructions that reach a port; the processor's own unless a caller
// hands in others (the range checks can then be exercised without hardware).
struct TRawPortIo {
  std::function<std::uint8_t(std::uint16_t port)> in;
  std::function<void(std::uint16_t port, std::uint8_t value)> out;
};

class THardwareBackend : public TPortBackend {
 public:
  explicit THardwareBackend(TRawPortIo raw);

  // True for the ports of kGrantedPorts.
  static bool Granted(std::uint16_t port);

  std::uint32_t In(std::uint16_t port) override;
  void Out(std::uint16_t port, std::uint8_t value) override;

 private:
  TRawPortIo raw_;
};

// True where the processor has I/O port instructions (x86).
bool HaveProcessorPortIo();
// inb / outb on x86; on other processors reads answer kOpenBus and writes do nothing.
TRawPortIo ProcessorPortIo();
