// The popup window: how it is built around its panel, where it goes, the
// focus it gives, and its close, activation and pointer-leave handling.
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

#include "SetupCtrls/boardhighlight.h"
#include "boardfixture.h"
#include "platform/anchors.h"

namespace {

QSize Screen() {
  return QGuiApplication::primaryScreen()->geometry().size();
}

// Resizes the fixture's window so that its outer size centres the board
// image at `at`.
void CentreBoardAt(TBoardFixture& f, QPoint at) {
  const QSize frame = f.Window->frameGeometry().size() - f.Window->size();
  f.Window->resize(QSize(2 * at.x() + TBoardFixture::kBoardWidth, 2 * at.y() + TBoardFixture::kBoardHeight) -
                   frame);
}

void SendLeave(QWidget* w) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(w, &leave);
}

}  // namespace

class TestPopup : public QObject {
  Q_OBJECT
 private slots:
  void init() { QCursor::setPos(0, 0); }

  void builtAroundThePanel() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    TRadioPanel* panel = f.Panel("BasePanel");
    h->MouseEnter(0);
    TPopupForm* popup = h->Popup();
    QVERIFY(popup);
    QCOMPARE(popup->OwnerHighlight, h);
    QCOMPARE(popup->parent(), h);
    QVERIFY(popup->isWindow());
    QVERIFY(popup->windowFlags().testFlag(Qt::Tool));
    QVERIFY(popup->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(popup->Caption(), QStringLiteral("Base Address"));
    QCOMPARE(popup->Tag(), int(htSettings));
    QCOMPARE(popup->Panel(), panel);

    QCOMPARE(panel->parentWidget(), popup);
    QVERIFY(panel->InPopup());
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->geometry(), QRect(0, 0, 188, 72));
    QCOMPARE(Anchors(panel), panel->FinalAnchors());

    // The children in their order, which is also the tab order.
    QList<QWidget*> children;
    for (QObject* o : popup->children())
      if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow()) children.append(w);
    QCOMPARE(children, (QList<QWidget*>{panel, popup->PopupStatus, popup->PreviousButton, popup->NextButton,
                                        popup->DoneButton, popup->StatusMemo}));
    QCOMPARE(popup->PreviousButton->text(), QStringLiteral("Previous"));
    QCOMPARE(popup->NextButton->text(), QStringLiteral("Next"));
    QCOMPARE(popup->DoneButton->text(), QStringLiteral("Done"));
    for (QPushButton* b : {popup->PreviousButton, popup->NextButton, popup->DoneButton})
      QVERIFY(!b->isDefault() && !b->autoDefault());
    QVERIFY(popup->StatusMemo->isReadOnly());
    QCOMPARE(popup->StatusMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(popup->StatusMemo->toPlainText(), panel->Lines().join(QLatin1Char('\n')));
  }

  // A 188 x 72 panel with the text box 58 high: client 181 high and at
  // least 188 wide, in the rows 0-71, 73-130, 137-161 and 162-180.
  void rowsOfThePanel() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    h->MouseEnter(0);
    TPopupForm* popup = h->Popup();
    QCOMPARE(popup->height(), 181);
    QVERIFY(popup->width() >= 188);
    QCOMPARE(popup->minimumSize(), popup->size());
    QCOMPARE(popup->StatusMemo->geometry().top(), 73);
    QCOMPARE(popup->StatusMemo->geometry().bottom(), 130);
    QCOMPARE(popup->DoneButton->geometry().top(), 137);
    QCOMPARE(popup->DoneButton->geometry().bottom(), 161);
    QCOMPARE(popup->PopupStatus->geometry(), QRect(0, 162, popup->width(), 19));
    QCOMPARE(popup->DoneButton->geometry().left(), popup->width() - 64);
  }

  void anchorsOnEnlarging() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("OffsetHighlight");
    h->MouseEnter(0);
    TPopupForm* popup = h->Popup();
    const QRect panel = f.Panel("OffsetPanel")->geometry();
    const QRect memo = popup->StatusMemo->geometry(), done = popup->DoneButton->geometry();
    const QRect previous = popup->PreviousButton->geometry(), next = popup->NextButton->geometry();
    const QRect status = popup->PopupStatus->geometry();
    popup->resize(popup->size() + QSize(100, 40));
    QCOMPARE(f.Panel("OffsetPanel")->geometry(), panel.adjusted(0, 0, 100, 0));
    QCOMPARE(popup->StatusMemo->geometry(), memo.adjusted(0, 0, 100, 40));
    QCOMPARE(popup->DoneButton->geometry(), done.translated(100, 40));
    QCOMPARE(popup->PreviousButton->geometry(), previous.translated(0, 40));
    QCOMPARE(popup->NextButton->geometry().top(), next.top() + 40);
    QVERIFY(qAbs(popup->NextButton->geometry().center().x() - (next.center().x() + 50)) <= 1);
    QCOMPARE(popup->PopupStatus->geometry(), status.adjusted(0, 40, 100, 40));
  }

  // Designed at (118, 114), centred to (212, 180): the panel designed at
  // (461, -26) puts its popup at (555, 40).
  void placedWhereThePanelWasDesigned() {
    TBoardFixture f;
    f.ShowWindow();
    CentreBoardAt(f, QPoint(212, 180));
    f.PaintBoard();
    QCOMPARE(f.BoardImage1->pos(), QPoint(212, 180));
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    h->MouseEnter(0);
    QCOMPARE(h->Popup()->pos(), QPoint(555, 40));
  }

  // Without a panel: 194 x 141, 38 pixels below the image, or resting on
  // the screen's bottom edge when the screen is too low.
  void withoutPanelBelowTheImage() {
    TBoardFixture f;
    f.ShowWindow();
    CentreBoardAt(f, QPoint(212, 180));
    f.PaintBoard();
    TBoardHighlight* h = f.Highlight("GainHighlight");
    h->MouseEnter(0);
    TPopupForm* popup = h->Popup();
    // The window system tells the frame only once the window is shown, so
    // the size it is built with is all client area.
    QCOMPARE(popup->size(), QSize(194, 141));
    QVERIFY(!popup->Panel());
    QCOMPARE(popup->StatusMemo->height(), 58);
    QVERIFY(popup->StatusMemo->toPlainText().isEmpty());
    QCOMPARE(popup->x(), 212);
    QCOMPARE(popup->y(), qMin(561, Screen().height() - 141));
    Settle();
    QCOMPARE(QApplication::focusWidget(), popup->DoneButton);
  }

  void keptOnTheScreen() {
    TBoardFixture f;
    f.ShowWindow();
    // The offset panel is designed far to the left of where the image is.
    f.Panel("OffsetPanel")->move(-900, 8);
    TBoardHighlight* h = f.Highlight("OffsetHighlight");
    h->MouseEnter(0);
    QCOMPARE(h->Popup()->x(), 0);
    f.Panel("ADPanel")->move(5000, 5000);
    f.Highlight("ADHighlight1")->MouseEnter(0);
    TPopupForm* ad = f.Highlight("ADHighlight1")->Popup();
    QCOMPARE(ad->x() + ad->width(), Screen().width());
    QCOMPARE(ad->y() + ad->height(), Screen().height());
  }

  // The first showing gives the focus to the panel, which raises its
  // OnEnter; showing it again does not.
  void focusEntersThePanelOnce() {
    TBoardFixture f;
    f.ShowWindow();
    TRadioPanel* panel = f.Panel("BasePanel");
    int entered = 0;
    panel->OnEnter = [&entered](QObject*) { ++entered; };
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    h->MouseEnter(0);
    Settle();
    QCOMPARE(entered, 1);
    QCOMPARE(QApplication::focusWidget(), panel);
    h->Popup()->close();
    Settle();
    h->MouseEnter(0);
    Settle();
    QCOMPARE(entered, 1);
  }

  void activationAdoptsThePanelEvents() {
    TBoardFixture f;
    TRadioPanel* panel = f.Panel("ADPanel");
    QStringList seen;
    panel->OnActivate = [&seen](QObject*) { seen.append(QStringLiteral("activate")); };
    panel->OnDeactivate = [&seen](QObject*) { seen.append(QStringLiteral("deactivate")); };
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("ADHighlight2");
    h->MouseEnter(0);
    Settle();
    QVERIFY(h->PopupActive() && f.Highlight("ADHighlight1")->PopupActive());
    f.Window->activateWindow();
    Settle();
    QVERIFY(!h->PopupActive() && !f.Highlight("ADHighlight1")->PopupActive());
    QCOMPARE(seen, QStringList({"activate", "deactivate"}));
  }

  void pointerLeavingTheWindow_data() {
    QTest::addColumn<bool>("closeOnLeave");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<bool>("closed");
    QTest::newRow("held, onto another of its controls") << true << true << false;
    QTest::newRow("held, off the window") << true << false << true;
    QTest::newRow("pinned, off the window") << false << false << false;
  }
  void pointerLeavingTheWindow() {
    QFETCH(bool, closeOnLeave);
    QFETCH(bool, inside);
    QFETCH(bool, closed);
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    h->MouseEnter(0);
    h->Pin();
    TPopupForm* popup = h->Popup();
    popup->CloseOnLeave = closeOnLeave;
    const QRect frame = popup->frameGeometry();
    QCursor::setPos(inside ? frame.bottomRight() : frame.bottomRight() + QPoint(1, 0));
    Settle();
    SendLeave(popup);
    QCOMPARE(!popup->isVisible(), closed);
    QCOMPARE(h->Lit(), !closed);
  }

  void closingHidesAndUnlightsTheGroup() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* a1 = f.Highlight("ADHighlight1");
    TBoardHighlight* a2 = f.Highlight("ADHighlight2");
    a1->MouseEnter(0);
    a1->Click();
    TPopupForm* popup = a1->Popup();
    popup->CloseOnLeave = true;
    QVERIFY(f.Entry(QStringLiteral("A/D &Range"))->Checked());
    QPointer<TPopupForm> alive(popup);
    popup->close();
    QVERIFY(alive);
    QVERIFY(!popup->isVisible());
    QVERIFY(!popup->CloseOnLeave);
    QVERIFY(!a1->Lit() && !a2->Lit());
    QVERIFY(!f.Entry(QStringLiteral("A/D &Range"))->Checked());
    QCOMPARE(f.Panel("ADPanel")->parentWidget(), popup);
  }

  // A popup the window manager minimised comes back when its group is
  // pointed at again or its entry is chosen.
  void minimisedPopupComesBack_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("pointer") << false;
    QTest::newRow("menu entry") << true;
  }
  void minimisedPopupComesBack() {
    QFETCH(bool, byMenu);
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    h->MouseEnter(0);
    TPopupForm* popup = h->Popup();
    popup->setWindowState(Qt::WindowMinimized);
    Settle();
    h->MouseLeave(0);
    popup->close();
    QVERIFY(!h->Lit());
    if (byMenu)
      f.Entry(QStringLiteral("&Base Address"))->trigger();
    else
      h->MouseEnter(0);
    Settle();
    QVERIFY(popup->isVisible());
    QVERIFY(!(popup->windowState() & Qt::WindowMinimized));
  }

  // The buttons are reached from the panel with the Tab key, in the order
  // they stand, and pressed with the space bar.
  void keyboardReachesTheButtons() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    h->MouseEnter(0);
    h->Click();
    Settle();
    TPopupForm* popup = h->Popup();
    QCOMPARE(QApplication::focusWidget(), f.Panel("BasePanel"));
    QList<QWidget*> reached;
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      reached.append(QApplication::focusWidget());
    }
    QCOMPARE(reached, (QList<QWidget*>{popup->PreviousButton, popup->NextButton, popup->DoneButton,
                                       popup->StatusMemo}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), popup->DoneButton);
    QTest::keyClick(popup->DoneButton, Qt::Key_Space);
    QVERIFY(!popup->isVisible());
    QVERIFY(!h->Lit());
  }
};

QTEST_MAIN(TestPopup)
#include "test_popup.moc"
