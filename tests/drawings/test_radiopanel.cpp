// The option panel: its initial look and the radio selection of the two-pin
// jumpers placed directly on it.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

#include "SetupCtrls/radiopanel.h"

namespace fixture {

// Stand-ins recognised (or not) by their class names alone.
class TTwoJumper : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool Closed READ Closed WRITE setClosed)
 public:
  using QWidget::QWidget;
  bool Closed() const { return closed_; }
  void setClosed(bool v) { closed_ = v; }

 private:
  bool closed_ = false;
};

class ttwojumper : public TTwoJumper {
  Q_OBJECT
 public:
  using TTwoJumper::TTwoJumper;
};

class TTwoJumperEx : public TTwoJumper {
  Q_OBJECT
 public:
  using TTwoJumper::TTwoJumper;
};

}  // namespace fixture

using fixture::TTwoJumper;

// A panel with three two-pin jumpers A, B and C, closed as given.
struct ThreeJumpers {
  TRadioPanel panel;
  std::vector<TTwoJumper*> jumpers;
  std::vector<QObject*> senders;

  explicit ThreeJumpers(const QList<bool>& closed) {
    for (bool c : closed) {
      auto* j = new TTwoJumper(&panel);
      j->setClosed(c);
      jumpers.push_back(j);
    }
    panel.OnRadioChange = [this](QObject* sender) { senders.push_back(sender); };
  }
  QList<bool> States() const {
    QList<bool> s;
    for (auto* j : jumpers) s.append(j->Closed());
    return s;
  }
};

class TestRadioPanel : public QObject {
  Q_OBJECT

 private slots:
  void newPanelHasItsDefaults() {
    QWidget form;
    TRadioPanel* panel = new TRadioPanel(&form);
    form.show();
    QCOMPARE(panel->size(), QSize(194, 100));
    QVERIFY(!panel->isVisible());
    QCOMPARE(panel->RadioEnabled(), false);
    QVERIFY(panel->Lines().isEmpty());
    QCOMPARE(panel->MemoHeight(), 58);
    QCOMPARE(panel->FinalAnchors(), akLeftTop);
    QCOMPARE(Anchors(panel), akLeftTop);
    QCOMPARE(panel->Color(), clBtnFace);
    QCOMPARE(panel->BevelOuter(), bvNone);
    QCOMPARE(panel->BevelInner(), bvNone);
    QCOMPARE(panel->BevelWidth(), 1);
    QCOMPARE(panel->BorderWidth(), 0);
    QCOMPARE(panel->BorderStyle(), bsNone);
    QCOMPARE(panel->FullRepaint(), true);
    QCOMPARE(panel->TabStop(), false);
    QCOMPARE(panel->focusPolicy(), Qt::NoFocus);
    QCOMPARE(panel->InPopup(), false);
    QVERIFY(!panel->OnRadioChange && !panel->OnActivate && !panel->OnDeactivate);
  }

  // No caption and no bevel: every pixel of the face is the panel's colour.
  void faceIsPlainColourWithoutCaption() {
    TRadioPanel panel;
    panel.setObjectName(QStringLiteral("TriggerPanel"));
    panel.setColor(clTeal);
    const QImage shot = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), QSize(194, 100));
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x)
        if (FromPixel(shot.pixel(x, y)) != clTeal)
          QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
  }

  void raisedBevelIsLitFromTopLeft() {
    TRadioPanel panel;
    panel.setColor(clTeal);
    panel.setBevelOuter(bvRaised);
    const QImage shot = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(FromPixel(shot.pixel(5, 0)), ColorToRGB(clBtnHighlight));
    QCOMPARE(FromPixel(shot.pixel(0, 5)), ColorToRGB(clBtnHighlight));
    QCOMPARE(FromPixel(shot.pixel(5, 99)), ColorToRGB(clBtnShadow));
    QCOMPARE(FromPixel(shot.pixel(193, 5)), ColorToRGB(clBtnShadow));
    QCOMPARE(FromPixel(shot.pixel(1, 1)), clTeal);
  }

  void selectJumper_data() {
    QTest::addColumn<QList<bool>>("before");
    QTest::addColumn<int>("selected");  // -1: a control that is not on the panel
    QTest::addColumn<QList<bool>>("after");
    QTest::addColumn<bool>("raised");
    QTest::newRow("A installed, select B")
        << QList<bool>{true, false, false} << 1 << QList<bool>{false, true, false} << true;
    QTest::newRow("select the only installed one")
        << QList<bool>{false, true, false} << 1 << QList<bool>{false, true, false} << false;
    QTest::newRow("none installed, select C")
        << QList<bool>{false, false, false} << 2 << QList<bool>{false, false, true} << true;
    QTest::newRow("two installed, select one of them")
        << QList<bool>{true, true, false} << 0 << QList<bool>{true, false, false} << true;
    QTest::newRow("outsider, one installed")
        << QList<bool>{false, false, true} << -1 << QList<bool>{false, false, false} << true;
    QTest::newRow("outsider, none installed")
        << QList<bool>{false, false, false} << -1 << QList<bool>{false, false, false} << false;
  }
  void selectJumper() {
    QFETCH(QList<bool>, before);
    QFETCH(int, selected);
    QFETCH(QList<bool>, after);
    QFETCH(bool, raised);
    ThreeJumpers f(before);
    QPushButton outsider;
    QObject* control = selected < 0 ? static_cast<QObject*>(&outsider) : f.jumpers[selected];
    f.panel.SelectJumper(control);
    QCOMPARE(f.States(), after);
    QCOMPARE(f.senders, raised ? std::vector<QObject*>{control} : std::vector<QObject*>{});
  }

  void selectJumperWithoutHandlerStillSelects() {
    ThreeJumpers f({true, false, false});
    f.panel.OnRadioChange = nullptr;
    f.panel.SelectJumper(f.jumpers[2]);
    QCOMPARE(f.States(), (QList<bool>{false, false, true}));
  }

  // Only direct children named TTwoJumper (in any letter case) take part.
  void selectJumperTouchesOnlyItsOwnTwoPinJumpers() {
    TRadioPanel panel;
    auto* mine = new TTwoJumper(&panel);
    auto* lowerCase = new fixture::ttwojumper(&panel);
    auto* derived = new fixture::TTwoJumperEx(&panel);
    auto* subPanel = new QWidget(&panel);
    auto* nested = new TTwoJumper(subPanel);
    lowerCase->setClosed(true);
    derived->setClosed(true);
    nested->setClosed(true);
    int raised = 0;
    panel.OnRadioChange = [&](QObject*) { ++raised; };
    panel.SelectJumper(mine);
    QVERIFY(mine->Closed());
    QVERIFY(!lowerCase->Closed());
    QVERIFY(derived->Closed());
    QVERIFY(nested->Closed());
    QCOMPARE(raised, 1);
  }

  void finalAnchorsWaitForThePopup() {
    QWidget popup;
    popup.resize(300, 200);
    TRadioPanel panel(&popup);
    panel.show();
    popup.show();
    panel.setFinalAnchors(akAll);
    QCOMPARE(panel.FinalAnchors(), akAll);
    QCOMPARE(Anchors(&panel), akLeftTop);
    panel.setInPopup(true);
    panel.setFinalAnchors(akLeft | akTop | akRight);
    QCOMPARE(Anchors(&panel), akLeft | akTop | akRight);
    popup.resize(400, 200);
    QCOMPARE(panel.width(), 294);
  }

  void linesAreCopied() {
    TRadioPanel panel;
    QStringList lines{QStringLiteral("Select the trigger"), QStringLiteral("of the conversion.")};
    panel.setLines(lines);
    lines[0] = QStringLiteral("changed");
    lines.append(QStringLiteral("more"));
    QCOMPARE(panel.Lines(),
             (QStringList{QStringLiteral("Select the trigger"), QStringLiteral("of the conversion.")}));
  }

  // OnEnter comes when the focus moves into the panel from another control
  // of its window, not while it moves among the panel's own controls.
  void enterAndExitFollowTheFocus() {
    QWidget window;
    auto* outside = new QPushButton(QStringLiteral("Done"), &window);
    auto* panel = new TRadioPanel(&window);
    auto* box1 = new QLineEdit(panel);
    auto* box2 = new QLineEdit(panel);
    panel->move(0, 40);
    panel->show();
    QStringList log;
    panel->OnEnter = [&](QObject* s) { log << (s == panel ? QStringLiteral("enter") : QStringLiteral("?")); };
    panel->OnExit = [&](QObject* s) { log << (s == panel ? QStringLiteral("exit") : QStringLiteral("?")); };
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QApplication::activeWindow() == &window);
    outside->setFocus();
    panel->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), panel);
    QCOMPARE(log, QStringList{QStringLiteral("enter")});
    box1->setFocus();
    box2->setFocus();
    outside->setFocus();
    box2->setFocus();
    QCOMPARE(log, (QStringList{QStringLiteral("enter"), QStringLiteral("exit"), QStringLiteral("enter")}));
  }
};

QTEST_MAIN(TestRadioPanel)
#include "test_radiopanel.moc"
