#include "recordingbackend.h"

#include <cstdio>

std::string ToString(const TPortAccess& access) {
  char text[48];
  if (access.kind == TPortAccess::paRead)
    std::snprintf(text, sizeof text, "in 0x%03X -> 0x%02X", unsigned(access.port), unsigned(access.value));
  else
    std::snprintf(text, sizeof text, "out 0x%03X <- 0x%02X", unsigned(access.port), unsigned(access.value));
  return text;
}

void TRecordingBackend::ScriptReads(std::uint16_t port, std::initializer_list<std::uint32_t> values) {
  std::deque<std::uint32_t>& script = scripts_[port];
  script.insert(script.end(), values.begin(), values.end());
}

void TRecordingBackend::setSteadyValue(std::uint16_t port, std::uint32_t value) {
  steady_[port] = value;
}

std::uint32_t TRecordingBackend::In(std::uint16_t port) {
  std::uint32_t value = defaultValue_;
  if (auto script = scripts_.find(port); script != scripts_.end() && !script->second.empty()) {
    value = script->second.front();
    script->second.pop_front();
  } else if (auto steady = steady_.find(port); steady != steady_.end()) {
    value = steady->second;
  }
  Record(PortRead(port, value));
  return value;
}

void TRecordingBackend::Out(std::uint16_t port, std::uint8_t value) {
  Record(PortWrite(port, value));
}

void TRecordingBackend::Record(const TPortAccess& access) {
  accesses_.push_back(access);
  if (OnAccess) OnAccess(access);
}
