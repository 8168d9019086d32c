#include "portio.h"

namespace {

class TNoDriverBackend : public TPortBackend {
 public:
  std::uint32_t In(std::uint16_t) override { return kDriverNotLoaded; }
  void Out(std::uint16_t, std::uint8_t) override {}
};

std::unique_ptr<TPortBackend>& Current() {
  static std::unique_ptr<TPortBackend> backend = std::make_unique<TNoDriverBackend>();
  return backend;
}

}  // namespace

std::unique_ptr<TPortBackend> SetPortBackend(std::unique_ptr<TPortBackend> backend) {
  if (!backend) backend = std::make_unique<TNoDriverBackend>();
  Current().swap(backend);
  return backend;
}

TPortBackend& PortBackend() {
  return *Current();
}

std::uint32_t InPortB(std::uint32_t port) {
  return PortBackend().In(std::uint16_t(port & 0xFFFFu));
}

void OutPortB(std::uint32_t port, std::uint32_t value) {
  PortBackend().Out(std::uint16_t(port & 0xFFFFu), std::uint8_t(value & 0xFFu));
}
