#include "simulatedcard.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <stdexcept>

namespace {

struct TRangeScale {
  double bottom;  // volts at code 0
  double codesPerVolt;
};

constexpr TRangeScale kRangeScales[] = {
    {-5.0, 409.6},   // irPlusMinus5V
    {-10.0, 204.8},  // irPlusMinus10V
    {0.0, 409.6},    // irZeroTo10V
};

const TRangeScale& Scale(TInputRange range) {
  return kRangeScales[range];
}

int ToCode(double x) {
  return int(std::clamp(std::floor(x + 0.5), 0.0, double(TSimulatedCard::kMaxCode)));
}

// 2^32: maps a 32-bit random value onto [0, 1).
constexpr double kRandomSpan = 4294967296.0;

}  // namespace

const std::array<double, TSimulatedCard::kChannels> kDemoInputVoltages = {
    -4.9988, +4.9963, 0.0, +1.25, -2.5, +3.3, -0.75, +2.0,
};

TSimulatedCard::TSimulatedCard() : TSimulatedCard(SteadyClock(), SeededRandomSource(kDefaultNoiseSeed)) {}

TSimulatedCard::TSimulatedCard(TMillisecondClock clock, TRandomSource random)
    : clock_(std::move(clock)), random_(std::move(random)) {}

TSimulatedCard::TMillisecondClock TSimulatedCard::SteadyClock() {
  return [] {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
  };
}

TSimulatedCard::TRandomSource TSimulatedCard::SeededRandomSource(std::uint32_t seed) {
  return [engine = std::mt19937(seed)]() mutable { return std::uint32_t(engine()); };
}

void TSimulatedCard::setBaseAddress(std::uint16_t address) {
  if (address % kBaseAddressStep != 0 || address > kLastBaseAddress)
    throw std::invalid_argument("base address must be a multiple of 8 from 0 to 0x3F8");
  baseAddress_ = address;
}

double TSimulatedCard::InputVoltage(int channel) const {
  return inputs_.at(std::size_t(channel));
}

void TSimulatedCard::setInputVoltage(int channel, double volts) {
  inputs_.at(std::size_t(channel)) = volts;
}

int TSimulatedCard::IdealCode(TInputRange range, double volts) {
  return ToCode((volts - Scale(range).bottom) * Scale(range).codesPerVolt);
}

int TSimulatedCard::Register(std::uint16_t port) const {
  if (port < baseAddress_) return -1;
  const int offset = port - baseAddress_;
  return offset <= kStatusRegister ? offset : -1;
}

std::uint32_t TSimulatedCard::In(std::uint16_t port) {
  const int reg = Register(port);
  if (reg < 0) return kOpenBus;
  FinishConversionIfDue();
  switch (reg) {
    case kResultLowRegister:
      return std::uint32_t(((resultCode_ & 0x0F) << 4) | resultChannel_);
    case kResultHighRegister:
      return std::uint32_t(resultCode_ >> 4);
    default:
      return std::uint32_t((converting_ ? kBusyBit : 0) | selectedChannel_);
  }
}

void TSimulatedCard::Out(std::uint16_t port, std::uint8_t value) {
  switch (Register(port)) {
    case kResultHighRegister:
      StartConversion();
      break;
    case kStatusRegister:
      selectedChannel_ = value & kChannelMask;
      break;
    default:
      break;
  }
}

void TSimulatedCard::StartConversion() {
  // A start while a conversion runs begins a new one; the unfinished result is lost.
  converting_ = true;
  conversionEnd_ = clock_() + conversionTimeMs_;
  pendingChannel_ = selectedChannel_;
  pendingCode_ = Convert(selectedChannel_);
}

void TSimulatedCard::FinishConversionIfDue() {
  if (!converting_ || clock_() < conversionEnd_) return;
  converting_ = false;
  resultCode_ = pendingCode_;
  resultChannel_ = pendingChannel_;
}

int TSimulatedCard::Convert(int channel) {
  const TRangeScale& scale = Scale(range_);
  const double volts = (inputs_[std::size_t(channel)] - scale.bottom) * gainError_ + offsetError_;
  const double noise = (2.0 * (double(random_()) / kRandomSpan) - 1.0) * noiseAmplitude_;
  return ToCode(volts * scale.codesPerVolt + noise);
}

TSimulatedCard& InstallSimulatedCard() {
  auto card = std::make_unique<TSimulatedCard>();
  for (int channel = 0; channel < TSimulatedCard::kChannels; ++channel)
    card->setInputVoltage(channel, kDemoInputVoltages[std::size_t(channel)]);
  TSimulatedCard& installed = *card;
  SetPortBackend(std::move(card));
  return installed;
}
