// The simulated PX-407 on its own, on a test clock and a fixed noise source.
#include <QtTest>
#include <cstdlib>
#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

#include "portio/portbackendscope.h"
#include "portio/simulatedcard.h"

Q_DECLARE_METATYPE(TInputRange)

namespace {

constexpr std::uint16_t kBase = TSimulatedCard::kDefaultBaseAddress;
constexpr std::uint16_t kLow = kBase + TSimulatedCard::kResultLowRegister;
constexpr std::uint16_t kHigh = kBase + TSimulatedCard::kResultHighRegister;
constexpr std::uint16_t kStatus = kBase + TSimulatedCard::kStatusRegister;
// A random value in the middle of the range: no noise at any amplitude.
constexpr std::uint32_t kQuietRandom = 0x80000000u;

}  // namespace

class TSimulatedCardTest : public QObject {
  Q_OBJECT

 private slots:
  void codeFromInput_data();
  void codeFromInput();
  void noiseBounds_data();
  void noiseBounds();
  void noiseIsDeterministicForASeed();
  void channelSelect_data();
  void channelSelect();
  void busyBitTiming_data();
  void busyBitTiming();
  void resultHeldUntilConversionEnds();
  void undecodedPortsReadOpenBus_data();
  void undecodedPortsReadOpenBus();
  void baseAddressMovesTheRegisters_data();
  void baseAddressMovesTheRegisters();
  void invalidBaseAddressRefused_data();
  void invalidBaseAddressRefused();
  void installedDemoCard();

 private:
  double now_ = 1000.0;
  std::uint32_t random_ = kQuietRandom;
  std::unique_ptr<TSimulatedCard> MakeCard();
  // Selects, starts, lets the conversion time pass and reads the result.
  int Convert(TSimulatedCard& card, int channel, std::uint8_t* low = nullptr);
};

std::unique_ptr<TSimulatedCard> TSimulatedCardTest::MakeCard() {
  now_ = 1000.0;
  random_ = kQuietRandom;
  return std::make_unique<TSimulatedCard>([this] { return now_; }, [this] { return random_; });
}

int TSimulatedCardTest::Convert(TSimulatedCard& card, int channel, std::uint8_t* low) {
  const std::uint16_t base = card.BaseAddress();
  card.Out(base + TSimulatedCard::kStatusRegister, std::uint8_t(channel));
  card.Out(base + TSimulatedCard::kResultHighRegister, 0);
  now_ += card.ConversionTime();
  const std::uint32_t lo = card.In(base + TSimulatedCard::kResultLowRegister);
  const std::uint32_t hi = card.In(base + TSimulatedCard::kResultHighRegister);
  if (low) *low = std::uint8_t(lo);
  return int((lo >> 4) + (hi << 4));
}

void TSimulatedCardTest::codeFromInput_data() {
  QTest::addColumn<TInputRange>("range");
  QTest::addColumn<double>("volts");
  QTest::addColumn<double>("offset");
  QTest::addColumn<double>("gain");
  QTest::addColumn<int>("code");
  QTest::newRow("±5 bottom") << irPlusMinus5V << -5.0 << 0.0 << 1.0 << 0;
  QTest::newRow("±5 one step up") << irPlusMinus5V << -4.9976 << 0.0 << 1.0 << 1;
  QTest::newRow("±5 zero") << irPlusMinus5V << 0.0 << 0.0 << 1.0 << 2048;
  QTest::newRow("±5 last step") << irPlusMinus5V << 4.9976 << 0.0 << 1.0 << 4095;
  QTest::newRow("±5 top clamps") << irPlusMinus5V << 5.0 << 0.0 << 1.0 << 4095;
  QTest::newRow("±5 over clamps") << irPlusMinus5V << 7.5 << 0.0 << 1.0 << 4095;
  QTest::newRow("±5 under clamps") << irPlusMinus5V << -6.0 << 0.0 << 1.0 << 0;
  QTest::newRow("±10 bottom") << irPlusMinus10V << -10.0 << 0.0 << 1.0 << 0;
  QTest::newRow("±10 one step up") << irPlusMinus10V << -9.995 << 0.0 << 1.0 << 1;
  QTest::newRow("±10 zero") << irPlusMinus10V << 0.0 << 0.0 << 1.0 << 2048;
  QTest::newRow("±10 last step") << irPlusMinus10V << 9.995 << 0.0 << 1.0 << 4095;
  QTest::newRow("±10 over clamps") << irPlusMinus10V << 12.0 << 0.0 << 1.0 << 4095;
  QTest::newRow("±10 under clamps") << irPlusMinus10V << -10.5 << 0.0 << 1.0 << 0;
  QTest::newRow("0-10 bottom") << irZeroTo10V << 0.0 << 0.0 << 1.0 << 0;
  QTest::newRow("0-10 middle") << irZeroTo10V << 5.0 << 0.0 << 1.0 << 2048;
  QTest::newRow("0-10 top clamps") << irZeroTo10V << 10.0 << 0.0 << 1.0 << 4095;
  QTest::newRow("0-10 negative clamps") << irZeroTo10V << -1.0 << 0.0 << 1.0 << 0;
  // (0 + 5) * 409.6 + 0.01 * 409.6 = 2052.1
  QTest::newRow("offset pot") << irPlusMinus5V << 0.0 << 0.01 << 1.0 << 2052;
  QTest::newRow("offset pot down") << irPlusMinus5V << -4.9988 << -0.002 << 1.0 << 0;
  // (0 + 5) * 0.999 * 409.6 = 2045.95
  QTest::newRow("gain pot") << irPlusMinus5V << 0.0 << 0.0 << 0.999 << 2046;
  QTest::newRow("gain pivots on the bottom") << irPlusMinus5V << -5.0 << 0.0 << 0.9 << 0;
  QTest::newRow("gain pivots on 0 V") << irZeroTo10V << 0.0 << 0.0 << 1.1 << 0;
  QTest::newRow("gain lifts over the top") << irZeroTo10V << 9.5 << 0.0 << 1.1 << 4095;
}

void TSimulatedCardTest::codeFromInput() {
  QFETCH(TInputRange, range);
  QFETCH(double, volts);
  QFETCH(double, offset);
  QFETCH(double, gain);
  QFETCH(int, code);
  auto card = MakeCard();
  card->setRange(range);
  card->setInputVoltage(5, volts);
  card->setOffsetError(offset);
  card->setGainError(gain);
  QCOMPARE(Convert(*card, 5), code);
  if (offset == 0.0 && gain == 1.0) QCOMPARE(TSimulatedCard::IdealCode(range, volts), code);
}

void TSimulatedCardTest::noiseBounds_data() {
  QTest::addColumn<std::uint32_t>("random");
  QTest::addColumn<double>("amplitude");
  QTest::addColumn<double>("volts");
  QTest::addColumn<int>("code");
  QTest::newRow("lowest draw") << 0u << 2.0 << 0.0 << 2046;
  QTest::newRow("middle draw") << kQuietRandom << 2.0 << 0.0 << 2048;
  QTest::newRow("highest draw") << 0xFFFFFFFFu << 2.0 << 0.0 << 2050;
  QTest::newRow("default amplitude low") << 0u << TSimulatedCard::kDefaultNoiseAmplitude << 0.0 << 2047;
  QTest::newRow("default amplitude high")
      << 0xFFFFFFFFu << TSimulatedCard::kDefaultNoiseAmplitude << 0.0 << 2049;
  QTest::newRow("no noise") << 0u << 0.0 << 0.0 << 2048;
  QTest::newRow("below the bottom clamps") << 0u << 2.0 << -5.0 << 0;
  QTest::newRow("above the top clamps") << 0xFFFFFFFFu << 2.0 << 4.9976 << 4095;
}

void TSimulatedCardTest::noiseBounds() {
  QFETCH(std::uint32_t, random);
  QFETCH(double, amplitude);
  QFETCH(double, volts);
  QFETCH(int, code);
  auto card = MakeCard();
  card->setNoiseAmplitude(amplitude);
  card->setInputVoltage(0, volts);
  random_ = random;
  QCOMPARE(Convert(*card, 0), code);
}

void TSimulatedCardTest::noiseIsDeterministicForASeed() {
  const auto readings = [this](std::uint32_t seed) {
    auto card = MakeCard();
    card->setNoiseSeed(seed);
    card->setInputVoltage(2, 1.0);
    std::vector<int> codes;
    for (int i = 0; i < 64; ++i) codes.push_back(Convert(*card, 2));
    return codes;
  };
  const std::vector<int> first = readings(7);
  QCOMPARE(readings(7), first);
  QVERIFY(readings(8) != first);
  // ±1 code around the ideal one, and it does flicker.
  const int ideal = TSimulatedCard::IdealCode(irPlusMinus5V, 1.0);
  const std::set<int> seen(first.begin(), first.end());
  QVERIFY(seen.size() > 1);
  QVERIFY(*seen.begin() >= ideal - 1 && *seen.rbegin() <= ideal + 1);
}

void TSimulatedCardTest::channelSelect_data() {
  QTest::addColumn<std::uint8_t>("written");
  QTest::addColumn<int>("channel");
  for (int channel = 0; channel < TSimulatedCard::kChannels; ++channel)
    QTest::addRow("channel %d", channel) << std::uint8_t(channel) << channel;
  QTest::newRow("high bits ignored") << std::uint8_t(0xFB) << 3;
}

void TSimulatedCardTest::channelSelect() {
  QFETCH(std::uint8_t, written);
  QFETCH(int, channel);
  auto card = MakeCard();
  for (int c = 0; c < TSimulatedCard::kChannels; ++c) card->setInputVoltage(c, -4.0 + c);
  card->Out(kStatus, written);
  QCOMPARE(card->SelectedChannel(), channel);
  QCOMPARE(card->In(kStatus), std::uint32_t(channel));
  std::uint8_t low = 0;
  QCOMPARE(Convert(*card, written, &low), TSimulatedCard::IdealCode(irPlusMinus5V, -4.0 + channel));
  QCOMPARE(low & 0x0F, channel);
}

void TSimulatedCardTest::busyBitTiming_data() {
  QTest::addColumn<double>("conversionTime");
  QTest::addColumn<double>("elapsed");
  QTest::addColumn<bool>("busy");
  QTest::newRow("at the start") << 0.5 << 0.0 << true;
  QTest::newRow("just before the end") << 0.5 << 0.499 << true;
  QTest::newRow("at the end") << 0.5 << 0.5 << false;
  QTest::newRow("long after") << 0.5 << 100.0 << false;
  QTest::newRow("default time, at the start") << TSimulatedCard::kDefaultConversionTimeMs << 0.0 << true;
  QTest::newRow("default time, after") << TSimulatedCard::kDefaultConversionTimeMs << 0.03 << false;
  QTest::newRow("slow card, 1.9 ms") << 3.0 << 1.9 << true;
  QTest::newRow("no conversion time") << 0.0 << 0.0 << false;
}

void TSimulatedCardTest::busyBitTiming() {
  QFETCH(double, conversionTime);
  QFETCH(double, elapsed);
  QFETCH(bool, busy);
  auto card = MakeCard();
  card->setConversionTime(conversionTime);
  card->Out(kStatus, 4);
  QCOMPARE(card->In(kStatus) & TSimulatedCard::kBusyBit, 0u);
  card->Out(kHigh, 0);
  now_ += elapsed;
  QCOMPARE((card->In(kStatus) & TSimulatedCard::kBusyBit) != 0, busy);
  QCOMPARE(card->In(kStatus) & TSimulatedCard::kChannelMask, 4u);
}

void TSimulatedCardTest::resultHeldUntilConversionEnds() {
  auto card = MakeCard();
  card->setConversionTime(1.0);
  QCOMPARE(card->In(kHigh), 0u);
  card->setInputVoltage(1, 0.0);
  QCOMPARE(Convert(*card, 1), 2048);
  // Sampled at the start: a change of the input during the conversion is not seen.
  card->setInputVoltage(1, -5.0);
  card->Out(kHigh, 0);
  card->setInputVoltage(1, 2.5);
  now_ += 0.5;
  QCOMPARE(card->In(kHigh), 2048u >> 4);
  now_ += 0.5;
  QCOMPARE(card->In(kHigh), 0u);
  QCOMPARE(card->In(kLow), 1u);
}

void TSimulatedCardTest::undecodedPortsReadOpenBus_data() {
  QTest::addColumn<std::uint16_t>("port");
  for (std::uint16_t port :
       {0x000, 0x020, 0x040, 0x061, 0x064, 0x0FF, 0x1FF, 0x203, 0x204, 0x207, 0x208, 0x3FF})
    QTest::addRow("0x%03X", port) << port;
}

void TSimulatedCardTest::undecodedPortsReadOpenBus() {
  QFETCH(std::uint16_t, port);
  auto card = MakeCard();
  card->setInputVoltage(0, 1.0);
  QCOMPARE(card->In(port), kOpenBus);
  // Writes there reach no register.
  card->Out(port, 0x05);
  QCOMPARE(card->In(kStatus), 0u);
  QCOMPARE(card->In(kHigh), 0u);
}

void TSimulatedCardTest::baseAddressMovesTheRegisters_data() {
  QTest::addColumn<std::uint16_t>("base");
  for (std::uint16_t base : {0x000, 0x008, 0x100, 0x300, 0x3F8}) QTest::addRow("0x%03X", base) << base;
}

void TSimulatedCardTest::baseAddressMovesTheRegisters() {
  QFETCH(std::uint16_t, base);
  auto card = MakeCard();
  card->setInputVoltage(6, 2.5);
  card->setBaseAddress(base);
  QCOMPARE(card->BaseAddress(), base);
  QCOMPARE(Convert(*card, 6), TSimulatedCard::IdealCode(irPlusMinus5V, 2.5));
  QCOMPARE(card->In(base + TSimulatedCard::kStatusRegister), 6u);
  QCOMPARE(card->In(base + 3), kOpenBus);
  if (base != kBase)
    for (std::uint16_t port : {kLow, kHigh, kStatus}) QCOMPARE(card->In(port), kOpenBus);
}

void TSimulatedCardTest::invalidBaseAddressRefused_data() {
  QTest::addColumn<std::uint16_t>("base");
  for (std::uint16_t base : {0x001, 0x204, 0x3FC, 0x400, 0xFFF8}) QTest::addRow("0x%03X", base) << base;
}

void TSimulatedCardTest::invalidBaseAddressRefused() {
  QFETCH(std::uint16_t, base);
  auto card = MakeCard();
  QVERIFY_THROWS_EXCEPTION(std::invalid_argument, card->setBaseAddress(base));
  QCOMPARE(card->BaseAddress(), kBase);
}

void TSimulatedCardTest::installedDemoCard() {
  TSimulatedCard& card = InstallSimulatedCard();
  QCOMPARE(&PortBackend(), static_cast<TPortBackend*>(&card));
  // No driver warning: the probe port reads like an empty bus.
  QCOMPARE(InPortB(0x61), kOpenBus);
  QCOMPARE(card.BaseAddress(), kBase);
  QCOMPARE(card.ConversionTime(), TSimulatedCard::kDefaultConversionTimeMs);
  std::set<double> inputs;
  for (int channel = 0; channel < TSimulatedCard::kChannels; ++channel) {
    inputs.insert(card.InputVoltage(channel));
    QCOMPARE(card.InputVoltage(channel), kDemoInputVoltages[std::size_t(channel)]);
  }
  QCOMPARE(int(inputs.size()), TSimulatedCard::kChannels);
  // A conversion on the steady clock ends by itself.
  OutPortB(kStatus, 3);
  OutPortB(kHigh, 0);
  while (InPortB(kStatus) & TSimulatedCard::kBusyBit) {
  }
  const int code = int((InPortB(kLow) >> 4) + (InPortB(kHigh) << 4));
  QVERIFY(std::abs(code - TSimulatedCard::IdealCode(irPlusMinus5V, kDemoInputVoltages[3])) <= 1);
  SetPortBackend(nullptr);
}

QTEST_APPLESS_MAIN(TSimulatedCardTest)
#include "tst_simulatedcard.moc"
