// A stand-in for the card maker's driver library, built three ways: with
// all 33 entry points under two file names, and once without WatchdogKick.
// Every entry point counts its calls; GetNumCards reports two cards.
#include <cstdint>

namespace {
int entryPointCalls = 0;
int numCardsCalls = 0;
std::int32_t Called() {
  ++entryPointCalls;
  return 0;
}
}  // namespace

extern "C" {

// What the tests read back through dlsym.
int FixtureEntryPointCalls() {
  return entryPointCalls;
}
int FixtureNumCardsCalls() {
  return numCardsCalls;
}

std::int32_t GetNumCards() {
  Called();
  ++numCardsCalls;
  return 2;
}
std::uint32_t GetCardBaseAddress(std::int32_t, std::int32_t) {
  return std::uint32_t(Called());
}
std::int32_t GetCardIrq(std::int32_t) {
  return Called();
}

std::int32_t WaitForInterrupt(std::int32_t, std::uint32_t) {
  return Called();
}
std::int32_t WaitForInterruptCount(std::int32_t, std::uint32_t, std::uint32_t) {
  return Called();
}
std::int32_t WaitForAnyInterrupt(std::uint32_t) {
  return Called();
}
std::int32_t AbortRequest(std::int32_t) {
  return Called();
}
std::int32_t CloseCard(std::int32_t) {
  return Called();
}

std::int32_t WatchdogEnable(std::int32_t, std::uint32_t) {
  return Called();
}
std::int32_t WatchdogDisable(std::int32_t) {
  return Called();
}
#ifndef PX_FIXTURE_WITHOUT_WATCHDOG_KICK
std::int32_t WatchdogKick(std::int32_t) {
  return Called();
}
#endif
std::int32_t WatchdogSetTimeout(std::int32_t, std::uint32_t) {
  return Called();
}
std::uint32_t WatchdogGetTimeout(std::int32_t) {
  return std::uint32_t(Called());
}
std::int32_t WatchdogGetStatus(std::int32_t) {
  return Called();
}
std::int32_t WatchdogClearStatus(std::int32_t) {
  return Called();
}
std::int32_t WatchdogSetAction(std::int32_t, std::int32_t) {
  return Called();
}
std::int32_t EmergencyReboot() {
  return Called();
}

std::uint8_t ReadPortByte(std::uint32_t) {
  return std::uint8_t(Called());
}
std::uint16_t ReadPortWord(std::uint32_t) {
  return std::uint16_t(Called());
}
std::uint32_t ReadPortDword(std::uint32_t) {
  return std::uint32_t(Called());
}
std::int32_t ReadPortBytes(std::uint32_t, std::uint8_t*, std::uint32_t) {
  return Called();
}
void WritePortByte(std::uint32_t, std::uint8_t) {
  Called();
}
void WritePortWord(std::uint32_t, std::uint16_t) {
  Called();
}
void WritePortDword(std::uint32_t, std::uint32_t) {
  Called();
}
std::int32_t WritePortBytes(std::uint32_t, const std::uint8_t*, std::uint32_t) {
  return Called();
}

std::uint8_t ReadCardByte(std::int32_t, std::uint32_t) {
  return std::uint8_t(Called());
}
std::uint16_t ReadCardWord(std::int32_t, std::uint32_t) {
  return std::uint16_t(Called());
}
std::uint32_t ReadCardDword(std::int32_t, std::uint32_t) {
  return std::uint32_t(Called());
}
std::int32_t ReadCardBytes(std::int32_t, std::uint32_t, std::uint8_t*, std::uint32_t) {
  return Called();
}
void WriteCardByte(std::int32_t, std::uint32_t, std::uint8_t) {
  Called();
}
void WriteCardWord(std::int32_t, std::uint32_t, std::uint16_t) {
  Called();
}
void WriteCardDword(std::int32_t, std::uint32_t, std::uint32_t) {
  Called();
}
std::int32_t WriteCardBytes(std::int32_t, std::uint32_t, const std::uint8_t*, std::uint32_t) {
  return Called();
}

}  // extern "C"
