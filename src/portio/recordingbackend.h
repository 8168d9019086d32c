#pragma once
// A backend for tests: reads answer from scripts, and every read and write
// is recorded in call order with its value.
//
// A read of a port takes the next value scripted for that port; once the
// port's script is used up it answers the port's steady value when one is
// set, else the default value (0xFF, an empty bus, unless set otherwise).
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "portio.h"

struct TPortAccess {
  enum TKind : std::uint8_t { paRead, paWrite };
  TKind kind;
  std::uint16_t port;
  std::uint32_t value;  // the value answered, or the byte written
  friend bool operator==(const TPortAccess&, const TPortAccess&) = default;
};

inline TPortAccess PortRead(std::uint16_t port, std::uint32_t value) {
  return {TPortAccess::paRead, port, value};
}
inline TPortAccess PortWrite(std::uint16_t port, std::uint8_t value) {
  return {TPortAccess::paWrite, port, value};
}

// "in 0x202 -> 0x80" or "out 0x201 <- 0x00", for test failure messages.
std::string ToString(const TPortAccess& access);

class TRecordingBackend : public TPortBackend {
 public:
  // Appends values to the port's script.
  void ScriptReads(std::uint16_t port, std::initializer_list<std::uint32_t> values);
  // What the port answers once its script is used up.
  void setSteadyValue(std::uint16_t port, std::uint32_t value);
  std::uint32_t DefaultValue() const { return defaultValue_; }
  void setDefaultValue(std::uint32_t value) { defaultValue_ = value; }

  const std::vector<TPortAccess>& Accesses() const { return accesses_; }
  void ClearAccesses() { accesses_.clear(); }

  // Called after each access has been recorded (a test can advance its clock
  // on every status read, say); may be empty.
  std::function<void(const TPortAccess&)> OnAccess;

  std::uint32_t In(std::uint16_t port) override;
  void Out(std::uint16_t port, std::uint8_t value) override;

 private:
  void Record(const TPortAccess& access);

  std::map<std::uint16_t, std::deque<std::uint32_t>> scripts_;
  std::map<std::uint16_t, std::uint32_t> steady_;
  std::uint32_t defaultValue_ = 0xFF;
  std::vector<TPortAccess> accesses_;
};
