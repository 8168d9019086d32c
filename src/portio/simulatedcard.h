#pragma once
// A PX-407 in software, behind the same backend interface as the hardware.
// It decodes three registers at its base address:
//
//   base + 0  read:  bits 7-4 the four low bits of the 12-bit result,
//                    bits 3-0 the channel that result was converted from
//   base + 1  read:  the eight high bits of the result
//             write: any value starts a conversion of the selected channel
//   base + 2  read:  status: bit 7 set while a conversion runs, bits 2-0 the
//                    selected channel, the rest 0
//             write: bits 2-0 select the input channel
//
// A write to base + 0 does nothing. Every other port is not decoded: it
// reads 0xFF, like an empty ISA bus, and writes to it are lost.
//
// A conversion samples the selected channel when it starts; the result
// registers take the new result once the conversion time has passed on the
// card's clock, and hold the previous one (0 before the first) until then.
//
// The result: x = ((V - bottom of range) * gain error + offset error) in
// codes, plus noise; the code is x rounded to the nearest step (the
// converter's thresholds lie half a step either side of each code), clamped
// to 0..4095. Gain pivots on the bottom of the range, so the offset point
// just above the bottom hardly moves when the gain pot is turned, which is
// why the card is trimmed offset first, gain second. Noise is uniform in
// [-amplitude, +amplitude) codes, drawn from the card's random source.
#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "portio.h"

// The input range set with the card's range jumpers.
enum TInputRange : std::uint8_t { irPlusMinus5V, irPlusMinus10V, irZeroTo10V };

class TSimulatedCard : public TPortBackend {
 public:
  // Milliseconds on any steady scale.
  using TMillisecondClock = std::function<double()>;
  // Uniformly distributed 32-bit values.
  using TRandomSource = std::function<std::uint32_t()>;

  static constexpr int kChannels = 8;
  static constexpr int kMaxCode = 4095;
  static constexpr std::uint16_t kDefaultBaseAddress = 0x200;
  static constexpr std::uint16_t kBaseAddressStep = 8;
  static constexpr std::uint16_t kLastBaseAddress = 0x3F8;
  // Register offsets from the base address.
  static constexpr std::uint16_t kResultLowRegister = 0;
  static constexpr std::uint16_t kResultHighRegister = 1;  // write: start
  static constexpr std::uint16_t kStatusRegister = 2;      // write: channel
  static constexpr std::uint8_t kBusyBit = 0x80;
  static constexpr std::uint8_t kChannelMask = 0x07;
  static constexpr double kDefaultConversionTimeMs = 0.02;
  static constexpr double kDefaultNoiseAmplitude = 1.0;  // codes
  static constexpr std::uint32_t kDefaultNoiseSeed = 407;

  // The steady system clock and a random source seeded with kDefaultNoiseSeed.
  TSimulatedCard();
  TSimulatedCard(TMillisecondClock clock, TRandomSource random);

  static TMillisecondClock SteadyClock();
  static TRandomSource SeededRandomSource(std::uint32_t seed);

  std::uint16_t BaseAddress() const { return baseAddress_; }
  // A multiple of 8 from 0 to 0x3F8; anything else throws std::invalid_argument.
  void setBaseAddress(std::uint16_t address);

  TInputRange Range() const { return range_; }
  void setRange(TInputRange range) { range_ = range; }

  // Volts at an input; channel 0 to 7, else std::out_of_range.
  double InputVoltage(int channel) const;
  void setInputVoltage(int channel, double volts);

  // Volts added to every input (the offset pot).
  double OffsetError() const { return offsetError_; }
  void setOffsetError(double volts) { offsetError_ = volts; }
  // Factor on the input's height above the bottom of the range (the gain pot); 1 is none.
  double GainError() const { return gainError_; }
  void setGainError(double factor) { gainError_ = factor; }

  // Half the width of the noise band, in codes; 0 is none.
  double NoiseAmplitude() const { return noiseAmplitude_; }
  void setNoiseAmplitude(double codes) { noiseAmplitude_ = codes; }
  void setNoiseSeed(std::uint32_t seed) { random_ = SeededRandomSource(seed); }
  void setRandomSource(TRandomSource random) { random_ = std::move(random); }

  double ConversionTime() const { return conversionTimeMs_; }
  void setConversionTime(double milliseconds) { conversionTimeMs_ = milliseconds; }
  void setClock(TMillisecondClock clock) { clock_ = std::move(clock); }

  int SelectedChannel() const { return selectedChannel_; }

  // The code of a voltage on a range with no offset or gain error and no noise.
  static int IdealCode(TInputRange range, double volts);

  std::uint32_t In(std::uint16_t port) override;
  void Out(std::uint16_t port, std::uint8_t value) override;

 private:
  // The register a port addresses, or -1 when the card does not decode it.
  int Register(std::uint16_t port) const;
  void StartConversion();
  void FinishConversionIfDue();
  int Convert(int channel);

  TMillisecondClock clock_;
  TRandomSource random_;
  std::uint16_t baseAddress_ = kDefaultBaseAddress;
  TInputRange range_ = irPlusMinus5V;
  std::array<double, kChannels> inputs_{};
  double offsetError_ = 0;
  double gainError_ = 1;
  double noiseAmplitude_ = kDefaultNoiseAmplitude;
  double conversionTimeMs_ = kDefaultConversionTimeMs;

  int selectedChannel_ = 0;
  bool converting_ = false;
  double conversionEnd_ = 0;
  int pendingCode_ = 0;
  int pendingChannel_ = 0;
  int resultCode_ = 0;
  int resultChannel_ = 0;
};

// The inputs InstallSimulatedCard sets, one per channel.
extern const std::array<double, TSimulatedCard::kChannels> kDemoInputVoltages;

// Installs a simulated card with the defaults above, the steady clock and
// kDemoInputVoltages as the process's port backend. The card lives until
// another backend is installed; tune it through the reference meanwhile.
TSimulatedCard& InstallSimulatedCard();
