#pragma once
// Byte-wide I/O port access. Every read and write goes to one process-wide
// backend: the hardware, a simulated card, or a test's recording.
#include <cstdint>
#include <memory>

// What a read answers when no port access could be had.
constexpr std::uint32_t kDriverNotLoaded = 0xAA55;
// What a read of a port that nothing drives answers, as on an empty ISA bus.
constexpr std::uint32_t kOpenBus = 0xFF;

class TPortBackend {
 public:
  virtual ~TPortBackend() = default;
  // The byte read, zero-extended (or kDriverNotLoaded).
  virtual std::uint32_t In(std::uint16_t port) = 0;
  virtual void Out(std::uint16_t port, std::uint8_t value) = 0;
};

// Installs the backend for the whole process and returns the one it replaces.
// Until one is installed, every read answers kDriverNotLoaded.
std::unique_ptr<TPortBackend> SetPortBackend(std::unique_ptr<TPortBackend> backend);
TPortBackend& PortBackend();

// The port is passed widened to 32 bits, of which the low 16 count; of the
// value only the low 8 bits are written.
std::uint32_t InPortB(std::uint32_t port);
void OutPortB(std::uint32_t port, std::uint32_t value);
