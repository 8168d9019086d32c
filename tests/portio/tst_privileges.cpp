// The program's start: port access first, then no privilege left. Runs as
// root in CI, where there are capabilities to give up, and as any user.
#include <QtTest>

#include "portio/hardware.h"
#include "procstatus.h"

class TPrivilegesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void noCapabilityIsLeft_data();
  void noCapabilityIsLeft();
  void noNewPrivilegesThroughExec();
  void backendMatchesTheAccessGranted();

 private:
  bool granted_ = false;
};

void TPrivilegesTest::initTestCase() {
  granted_ = AcquireHardwarePortAccess();
}

void TPrivilegesTest::noCapabilityIsLeft_data() {
  QTest::addColumn<QString>("set");
  for (const char* set : {"CapEff", "CapPrm", "CapInh", "CapAmb"})
    QTest::newRow(set) << QString::fromLatin1(set);
}

void TPrivilegesTest::noCapabilityIsLeft() {
  QFETCH(QString, set);
  QVERIFY2(CapabilitySetEmpty(set), qPrintable(set + QStringLiteral(": ") + ProcStatusField(set)));
}

void TPrivilegesTest::noNewPrivilegesThroughExec() {
  QCOMPARE(ProcStatusField(QStringLiteral("NoNewPrivs")), QStringLiteral("1"));
}

void TPrivilegesTest::backendMatchesTheAccessGranted() {
  // Only ports that are never touched are read here: the hardware backend
  // answers them itself.
  if (granted_) {
    QCOMPARE(InPortB(0x20), kOpenBus);
    QCOMPARE(InPortB(0x400), kOpenBus);
  } else {
    QCOMPARE(InPortB(0x61), kDriverNotLoaded);
  }
}

QTEST_APPLESS_MAIN(TPrivilegesTest)
#include "tst_privileges.moc"
