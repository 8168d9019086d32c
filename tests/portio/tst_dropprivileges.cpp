// DropPrivileges in a child process per case, so that each starts with the
// privileges this test was started with. Root (as in CI) exercises the id
// changes; an ordinary user sees the ids stay as they are.
#include <sys/wait.h>
#include <unistd.h>
#include <QtTest>
#include <cstdlib>

#include "portio/hardware.h"
#include "procstatus.h"

namespace {

constexpr uid_t kInvokingUser = 4071;
constexpr gid_t kInvokingGroup = 4072;

struct TChildReport {
  bool dropped;
  bool capabilitiesEmpty;
  uid_t ruid, euid, suid;
  gid_t rgid, egid, sgid;
  int groups;
  bool rootRegained;
};

}  // namespace

class TDropPrivilegesTest : public QObject {
  Q_OBJECT

 private slots:
  void idsAfterDrop_data();
  void idsAfterDrop();
};

void TDropPrivilegesTest::idsAfterDrop_data() {
  QTest::addColumn<QByteArray>("sudoUid");  // "-" leaves the variable unset
  QTest::addColumn<QByteArray>("sudoGid");
  QTest::addColumn<bool>("setUserIdRoot");  // started as a set-user-id-root program
  QTest::addColumn<bool>("becomesInvokingUser");
  const QByteArray user = QByteArray::number(kInvokingUser);
  const QByteArray group = QByteArray::number(kInvokingGroup);
  QTest::newRow("no sudo") << QByteArray("-") << QByteArray("-") << false << false;
  QTest::newRow("through sudo") << user << group << false << true;
  QTest::newRow("sudo uid only") << user << QByteArray("-") << false << false;
  QTest::newRow("sudo by root") << QByteArray("0") << QByteArray("0") << false << false;
  QTest::newRow("uid -1") << QByteArray("-1") << group << false << false;
  QTest::newRow("gid -1") << user << QByteArray("-1") << false << false;
  QTest::newRow("uid 4294967295") << QByteArray("4294967295") << group << false << false;
  QTest::newRow("uid too large") << QByteArray("4294967296") << group << false << false;
  QTest::newRow("uid with text") << QByteArray("4071x") << group << false << false;
  QTest::newRow("uid empty") << QByteArray("") << group << false << false;
  QTest::newRow("uid signed") << QByteArray("+4071") << group << false << false;
  QTest::newRow("set-user-id root") << QByteArray("-") << QByteArray("-") << true << true;
}

void TDropPrivilegesTest::idsAfterDrop() {
  QFETCH(QByteArray, sudoUid);
  QFETCH(QByteArray, sudoGid);
  QFETCH(bool, setUserIdRoot);
  QFETCH(bool, becomesInvokingUser);
  const bool root = getuid() == 0 && geteuid() == 0;
  if (setUserIdRoot && !root) QSKIP("a set-user-id-root start can only be arranged as root");

  int channel[2];
  QVERIFY(pipe(channel) == 0);
  const pid_t child = fork();
  QVERIFY(child >= 0);
  if (child == 0) {
    close(channel[0]);
    const auto setOrClear = [](const char* name, const QByteArray& value) {
      if (value == "-")
        unsetenv(name);
      else
        setenv(name, value.constData(), 1);
    };
    setOrClear("SUDO_UID", sudoUid);
    setOrClear("SUDO_GID", sudoGid);
    bool arranged = true;
    if (setUserIdRoot) arranged = setresgid(kInvokingGroup, 0, 0) == 0 && setresuid(kInvokingUser, 0, 0) == 0;
    TChildReport report{};
    report.dropped = arranged && DropPrivileges();
    report.capabilitiesEmpty = CapabilitySetEmpty(QStringLiteral("CapEff")) &&
                               CapabilitySetEmpty(QStringLiteral("CapPrm")) &&
                               CapabilitySetEmpty(QStringLiteral("CapInh"));
    getresuid(&report.ruid, &report.euid, &report.suid);
    getresgid(&report.rgid, &report.egid, &report.sgid);
    report.groups = getgroups(0, nullptr);
    report.rootRegained = report.euid != 0 && setuid(0) == 0;
    const bool written = write(channel[1], &report, sizeof report) == ssize_t(sizeof report);
    _exit(written ? 0 : 1);
  }
  close(channel[1]);
  TChildReport report{};
  const bool received = read(channel[0], &report, sizeof report) == ssize_t(sizeof report);
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  QVERIFY(received);
  QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  QVERIFY(report.dropped);
  QVERIFY(report.capabilitiesEmpty);
  QVERIFY(!report.rootRegained);
  const bool switched = root && becomesInvokingUser;
  const uid_t uid = switched ? kInvokingUser : getuid();
  const gid_t gid = switched ? kInvokingGroup : getgid();
  QCOMPARE(report.ruid, uid);
  QCOMPARE(report.euid, uid);
  QCOMPARE(report.suid, uid);
  QCOMPARE(report.rgid, gid);
  QCOMPARE(report.egid, gid);
  QCOMPARE(report.sgid, gid);
  if (switched && !setUserIdRoot) QCOMPARE(report.groups, 0);
}

QTEST_APPLESS_MAIN(TDropPrivilegesTest)
#include "tst_dropprivileges.moc"
