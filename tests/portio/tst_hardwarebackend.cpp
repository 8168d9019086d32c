// The hardware backend's range checks, over stand-in port instructions: no
// real port is read or written here.
#include <QtTest>
#include <vector>

#include "portaccesstostring.h"
#include "portio/hardwarebackend.h"
#include "portio/recordingbackend.h"

using TAccesses = std::vector<TPortAccess>;

class THardwareBackendTest : public QObject {
  Q_OBJECT

 private slots:
  void onlyGrantedPortsAreTouched_data();
  void onlyGrantedPortsAreTouched();

 private:
  // Stands in for inb / outb: answers 0x5A and records what reached it.
  TRecordingBackend instructions_;
  TRawPortIo FakeInstructions();
};

TRawPortIo THardwareBackendTest::FakeInstructions() {
  instructions_ = TRecordingBackend();
  instructions_.setDefaultValue(0x5A);
  return {[this](std::uint16_t port) { return std::uint8_t(instructions_.In(port)); },
          [this](std::uint16_t port, std::uint8_t value) { instructions_.Out(port, value); }};
}

void THardwareBackendTest::onlyGrantedPortsAreTouched_data() {
  QTest::addColumn<std::uint16_t>("port");
  QTest::addColumn<bool>("granted");
  QTest::newRow("0x000 dma") << std::uint16_t(0x000) << false;
  QTest::newRow("0x020 interrupt controller") << std::uint16_t(0x020) << false;
  QTest::newRow("0x040 system timer") << std::uint16_t(0x040) << false;
  QTest::newRow("0x060 keyboard data") << std::uint16_t(0x060) << false;
  QTest::newRow("0x061 speaker") << std::uint16_t(0x061) << true;
  QTest::newRow("0x062") << std::uint16_t(0x062) << false;
  QTest::newRow("0x064 keyboard command") << std::uint16_t(0x064) << false;
  QTest::newRow("0x0FF") << std::uint16_t(0x0FF) << false;
  QTest::newRow("0x100 first card port") << std::uint16_t(0x100) << true;
  QTest::newRow("0x200 default card") << std::uint16_t(0x200) << true;
  QTest::newRow("0x3FF last card port") << std::uint16_t(0x3FF) << true;
  QTest::newRow("0x400") << std::uint16_t(0x400) << false;
  QTest::newRow("0xCF8 pci config") << std::uint16_t(0xCF8) << false;
  QTest::newRow("0xFFFF") << std::uint16_t(0xFFFF) << false;
}

void THardwareBackendTest::onlyGrantedPortsAreTouched() {
  QFETCH(std::uint16_t, port);
  QFETCH(bool, granted);
  THardwareBackend backend(FakeInstructions());
  QCOMPARE(THardwareBackend::Granted(port), granted);
  QCOMPARE(backend.In(port), granted ? 0x5Au : kOpenBus);
  backend.Out(port, 0x0C);
  const TAccesses reached = granted ? TAccesses{PortRead(port, 0x5A), PortWrite(port, 0x0C)} : TAccesses{};
  QCOMPARE(instructions_.Accesses(), reached);
}

QTEST_APPLESS_MAIN(THardwareBackendTest)
#include "tst_hardwarebackend.moc"
