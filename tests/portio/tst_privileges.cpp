// The program's start: port access first, then no privilege left. Runs as
// root in CI, where there are capabilities to give up, and as any user.
#include <QtTest>
#include <cstdlib>

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
  // Started through sudo, the process would also take the invoking user's
  // ids (tst_dropprivileges covers that); here it keeps its own, so that it
  // can still be examined by a leak checker at exit.
  unsetenv("SUDO_UID");
  unsetenv("SUDO_GID");
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
  // Only ports the program itself reads, or that are never touched, are
  // read here; nothing is written.
  if (granted_) {
    // The grant outlives the privileges: the probe port reads as a byte.
    QVERIFY(InPortB(0x61) <= 0xFF);
    QCOMPARE(InPortB(0x20), kOpenBus);
    QCOMPARE(InPortB(0x400), kOpenBus);
  } else {
    QCOMPARE(InPortB(0x61), kDriverNotLoaded);
  }
}

QTEST_APPLESS_MAIN(TPrivilegesTest)
#include "tst_privileges.moc"
