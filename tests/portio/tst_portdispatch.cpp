// InPortB / OutPortB and the process-wide backend.
#include <QtTest>
#include <vector>

#include "portaccesstostring.h"
#include "portio/portbackendscope.h"
#include "portio/recordingbackend.h"

using TAccesses = std::vector<TPortAccess>;

class TPortDispatchTest : public QObject {
  Q_OBJECT

 private slots:
  void withoutBackendReadsDriverNotLoaded();
  void portAndValueAreCutToTheirWidth_data();
  void portAndValueAreCutToTheirWidth();
  void scopeRestoresPreviousBackend();
  void nullBackendMeansNoDriver();
};

void TPortDispatchTest::withoutBackendReadsDriverNotLoaded() {
  QCOMPARE(InPortB(0x61), kDriverNotLoaded);
  QCOMPARE(InPortB(0x200), kDriverNotLoaded);
  OutPortB(0x201, 0);
  QCOMPARE(InPortB(0x201), kDriverNotLoaded);
}

void TPortDispatchTest::portAndValueAreCutToTheirWidth_data() {
  QTest::addColumn<std::uint32_t>("port");
  QTest::addColumn<std::uint32_t>("value");
  QTest::addColumn<std::uint16_t>("portSeen");
  QTest::addColumn<std::uint8_t>("valueSeen");
  QTest::newRow("plain") << 0x202u << 7u << std::uint16_t(0x202) << std::uint8_t(7);
  QTest::newRow("wide port") << 0x10202u << 7u << std::uint16_t(0x202) << std::uint8_t(7);
  QTest::newRow("wide value") << 0x201u << 0x1234u << std::uint16_t(0x201) << std::uint8_t(0x34);
  QTest::newRow("all ones") << 0xFFFFFFFFu << 0xFFFFFFFFu << std::uint16_t(0xFFFF) << std::uint8_t(0xFF);
}

void TPortDispatchTest::portAndValueAreCutToTheirWidth() {
  QFETCH(std::uint32_t, port);
  QFETCH(std::uint32_t, value);
  QFETCH(std::uint16_t, portSeen);
  QFETCH(std::uint8_t, valueSeen);
  TPortBackendScope<TRecordingBackend> ports;
  OutPortB(port, value);
  InPortB(port);
  QCOMPARE(ports->Accesses(), (TAccesses{PortWrite(portSeen, valueSeen), PortRead(portSeen, kOpenBus)}));
}

void TPortDispatchTest::scopeRestoresPreviousBackend() {
  {
    TPortBackendScope<TRecordingBackend> outer;
    outer->setDefaultValue(0x11);
    {
      TPortBackendScope<TRecordingBackend> inner;
      inner->setDefaultValue(0x22);
      QCOMPARE(&PortBackend(), &inner.Backend());
      QCOMPARE(InPortB(0x300), 0x22u);
    }
    QCOMPARE(&PortBackend(), &outer.Backend());
    QCOMPARE(InPortB(0x300), 0x11u);
    QCOMPARE(outer->Accesses().size(), std::size_t(1));
  }
  QCOMPARE(InPortB(0x300), kDriverNotLoaded);
}

void TPortDispatchTest::nullBackendMeansNoDriver() {
  TPortBackendScope<TRecordingBackend> ports;
  std::unique_ptr<TPortBackend> taken = SetPortBackend(nullptr);
  QCOMPARE(taken.get(), &ports.Backend());
  QCOMPARE(InPortB(0x61), kDriverNotLoaded);
  SetPortBackend(std::move(taken));
}

QTEST_APPLESS_MAIN(TPortDispatchTest)
#include "tst_portdispatch.moc"
