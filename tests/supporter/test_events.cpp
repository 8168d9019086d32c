// Events compare by what they call: copies of one assigned function object
// are equal, two different function objects never are.
#include <QObject>

#include "platform/events.h"
#include "testmain.h"

class TestEvents : public QObject {
  Q_OBJECT
 public:
  void Handler(QObject*) {}
  void Other(QObject*) {}

 private slots:
  void differentCallablesDiffer();
  void copiesAndBindingsAreEqual();
};

void TestEvents::differentCallablesDiffer() {
  int calls = 0;
  const TNotifyEvent first = [&](QObject*) { ++calls; };
  const TNotifyEvent second = [](QObject*) {};
  const TNotifyEvent third = [&](QObject*) { calls += 2; };
  QVERIFY(!(first == second));
  QVERIFY(!(first == third));
  QVERIFY(!(second == third));
  QVERIFY(!(first == TNotifyEvent()));
}

void TestEvents::copiesAndBindingsAreEqual() {
  const TNotifyEvent lambda = [](QObject*) {};
  const TNotifyEvent copy = lambda;
  QVERIFY(copy == lambda);
  QVERIFY(TNotifyEvent::Bind(this, &TestEvents::Handler) == TNotifyEvent::Bind(this, &TestEvents::Handler));
  QVERIFY(!(TNotifyEvent::Bind(this, &TestEvents::Handler) == TNotifyEvent::Bind(this, &TestEvents::Other)));
  QVERIFY(TNotifyEvent() == TNotifyEvent(nullptr));
}

PX_TEST_MAIN(TestEvents)
#include "test_events.moc"
