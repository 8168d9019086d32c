#include <QtTest>
#include <vector>

#include "portaccesstostring.h"
#include "portio/portbackendscope.h"
#include "portio/recordingbackend.h"

using TAccesses = std::vector<TPortAccess>;
Q_DECLARE_METATYPE(TAccesses)

class TRecordingBackendTest : public QObject {
  Q_OBJECT

 private slots:
  void readsFollowScriptThenSteadyThenDefault();
  void recordsEveryAccessInOrder_data();
  void recordsEveryAccessInOrder();
  void onAccessSeesEachRecordedAccess();
  void portsDoNotShareScripts();
};

void TRecordingBackendTest::readsFollowScriptThenSteadyThenDefault() {
  TRecordingBackend ports;
  ports.ScriptReads(0x202, {0x80, 0x80});
  ports.ScriptReads(0x202, {0x00});
  ports.setSteadyValue(0x202, 0x81);
  ports.setDefaultValue(kDriverNotLoaded);
  const std::vector<std::uint32_t> expected = {0x80, 0x80, 0x00, 0x81, 0x81};
  std::vector<std::uint32_t> read;
  for (std::size_t i = 0; i < expected.size(); ++i) read.push_back(ports.In(0x202));
  QCOMPARE(read, expected);
  QCOMPARE(ports.In(0x203), kDriverNotLoaded);
  QCOMPARE(TRecordingBackend().In(0x300), kOpenBus);
}

void TRecordingBackendTest::recordsEveryAccessInOrder_data() {
  QTest::addColumn<TAccesses>("expected");
  // Each sequence is replayed through InPortB / OutPortB and must come back as it went in.
  QTest::newRow("a/d conversion") << TAccesses{PortWrite(0x202, 3),   PortWrite(0x201, 0),
                                               PortRead(0x202, 0x80), PortRead(0x202, 0x00),
                                               PortRead(0x200, 0xF0), PortRead(0x201, 0xFF)};
  QTest::newRow("driver probe") << TAccesses{PortRead(0x61, 0xAA55)};
  QTest::newRow("writes only") << TAccesses{PortWrite(0x3FA, 7), PortWrite(0x3F9, 0xFF), PortWrite(0x3FA, 7)};
}

void TRecordingBackendTest::recordsEveryAccessInOrder() {
  QFETCH(TAccesses, expected);
  TPortBackendScope<TRecordingBackend> ports;
  for (const TPortAccess& a : expected)
    if (a.kind == TPortAccess::paRead) ports->ScriptReads(a.port, {a.value});
  for (const TPortAccess& a : expected) {
    if (a.kind == TPortAccess::paRead)
      QCOMPARE(InPortB(a.port), a.value);
    else
      OutPortB(a.port, a.value);
  }
  QCOMPARE(ports->Accesses(), expected);
  ports->ClearAccesses();
  QVERIFY(ports->Accesses().empty());
}

void TRecordingBackendTest::onAccessSeesEachRecordedAccess() {
  TRecordingBackend ports;
  TAccesses seen;
  std::size_t recordedWhenSeen = 0;
  ports.OnAccess = [&](const TPortAccess& a) {
    seen.push_back(a);
    recordedWhenSeen = ports.Accesses().size();
  };
  ports.Out(0x202, 5);
  QCOMPARE(recordedWhenSeen, std::size_t(1));
  ports.In(0x202);
  QCOMPARE(seen, ports.Accesses());
  QCOMPARE(recordedWhenSeen, std::size_t(2));
}

void TRecordingBackendTest::portsDoNotShareScripts() {
  TRecordingBackend ports;
  ports.ScriptReads(0x200, {0x10});
  ports.ScriptReads(0x201, {0x20});
  QCOMPARE(ports.In(0x201), 0x20u);
  QCOMPARE(ports.In(0x200), 0x10u);
  QCOMPARE(ports.In(0x200), kOpenBus);
}

QTEST_APPLESS_MAIN(TRecordingBackendTest)
#include "tst_recordingbackend.moc"
