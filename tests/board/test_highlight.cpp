// The highlight circles: kinds and looks rendered from the board beneath,
// the panel rule, and the states of a linked group (idle, preview, held,
// pinned) driven by pointer moves, clicks and window activation.
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "SetupCtrls/boardhighlight.h"
#include "boardfixture.h"

Q_DECLARE_METATYPE(THighlightType)

namespace {

enum class TState { Idle, Preview, Held, Pinned };

// The state of the group of `h` as the popup and flags show it.
TState StateOf(const TBoardHighlight* owner) {
  const TPopupForm* popup = owner->Popup();
  if (!owner->Lit() || !popup || !popup->isVisible()) return TState::Idle;
  if (!owner->Pinned()) return TState::Preview;
  return popup->CloseOnLeave ? TState::Held : TState::Pinned;
}

QPoint CentreOf(const QWidget* w) {
  return w->mapToGlobal(w->rect().center());
}

// A point on the screen outside every window of the fixture.
QPoint Nowhere() {
  return QPoint(790, 590);
}

void Click(QWidget* w) {
  QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

}  // namespace

Q_DECLARE_METATYPE(TState)

class TestHighlight : public QObject {
  Q_OBJECT
 private slots:
  void init() { QCursor::setPos(Nowhere()); }

  void defaults() {
    TBoardHighlight h;
    QCOMPARE(h.size(), QSize(65, 65));
    QCOMPARE(h.HighlightType(), htSettings);
    QCOMPARE(h.HighlightColour(), 0x0000FFFFu);
    QCOMPARE(h.NormalAlpha(), 0.5f);
    QVERIFY(h.CreatePopup());
    QVERIFY(!h.Lit() && !h.Pinned() && !h.PopupActive() && !h.PaintedOnce());
    QVERIFY(!h.Popup());
  }

  void kindSetsColourAndStrengths_data() {
    QTest::addColumn<THighlightType>("kind");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<float>("lit");
    QTest::newRow("options") << htOptions << 0x00FF0000u << 0.5f;
    QTest::newRow("calibration") << htCalibration << 0x000000FFu << 0.75f;
  }
  void kindSetsColourAndStrengths() {
    QFETCH(THighlightType, kind);
    QFETCH(uint, colour);
    QFETCH(float, lit);
    TBoardHighlight h;
    h.setHighlightType(kind);
    QCOMPARE(h.HighlightColour(), colour);
    QCOMPARE(h.LitAlpha(), lit);
    QCOMPARE(h.HotAlpha(), 1.0f);
  }

  void titleGivesCaptionAndName() {
    TBoardHighlight h;
    h.setTitle(QStringLiteral("&Auto A/D Conversion Start"));
    QCOMPARE(h.PopupCaption(), QStringLiteral("Auto A/D Conversion Start"));
    QCOMPARE(h.MenuName(), QStringLiteral("AutoADConversionStart"));
  }

  // The looks come from the board image's photograph at the first paint.
  void looksRenderedFromThePhotograph() {
    TBoardFixture f;
    auto* h = new TBoardHighlight(f.BoardImage1);
    h->setGeometry(20, 20, 65, 65);
    f.PaintBoard();
    QVERIFY(h->PaintedOnce());
    QCOMPARE(h->NormalImage().size(), QSize(65, 65));
    QCOMPARE(h->NormalImage().pixelColor(32, 32), QColor(112, 112, 92));
    QCOMPARE(h->LitImage().pixelColor(60, 32), QColor(216, 216, 25));
    QCOMPARE(h->HotImage().pixelColor(60, 32), QColor(255, 255, 255));
    for (const QImage* image : {&h->NormalImage(), &h->LitImage(), &h->HotImage()})
      QCOMPARE(image->pixelColor(0, 32), QColor(100, 100, 100));
    // Later changes of the kind do not render again.
    h->setHighlightType(htCalibration);
    f.PaintBoard();
    QCOMPARE(h->NormalImage().pixelColor(32, 32), QColor(112, 112, 92));
  }

  // On another parent the looks come from what that parent paints, and
  // nothing is passed on to the group nor put in a menu.
  void looksOverAnotherParent() {
    // Red up to column 79, grey from column 80.
    QImage picture(200, 200, QImage::Format_RGB32);
    picture.fill(QColor(100, 100, 100));
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < 80; ++x) picture.setPixelColor(x, y, Qt::red);
    QLabel parent;
    parent.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    parent.setPixmap(QPixmap::fromImage(picture));
    parent.resize(200, 200);
    auto* h = new TBoardHighlight(&parent);
    h->setGeometry(50, 40, 65, 65);
    auto* twin = new TBoardHighlight(&parent);
    twin->setGeometry(150, 40, 20, 20);
    (void)parent.grab();
    QCOMPARE(h->NormalImage().pixelColor(29, 0), QColor(Qt::red));
    QCOMPARE(h->NormalImage().pixelColor(30, 0), QColor(100, 100, 100));
    QCOMPARE(h->NormalImage().pixelColor(32, 32), QColor(112, 112, 92));
    QVERIFY(!h->BoardMenu());
    h->setCreatePopup(false);
    h->MouseEnter(0);
    QVERIFY(h->Lit());
    QVERIFY(!twin->Lit());
  }

  // A later highlight overlapping an earlier one takes the earlier one's
  // look as its background.
  void overlappingHighlightRendersOverTheEarlier() {
    TBoardFixture f;
    f.PaintBoard();
    const TBoardHighlight* below = f.Highlight("ADHighlight1");
    const TBoardHighlight* above = f.Highlight("ADHighlight2");
    const QPoint inBelow = above->pos() - below->pos();  // above's corner, outside its ring
    QVERIFY(below->NormalImage().pixelColor(inBelow) != QColor(100, 100, 100));
    QCOMPARE(above->NormalImage().pixelColor(0, 0), below->NormalImage().pixelColor(inBelow));
    QCOMPARE(above->LitImage().pixelColor(0, 0), below->NormalImage().pixelColor(inBelow));
  }

  void lookFollowsLitAndActive() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    QCOMPARE(h->CurrentImage(), h->NormalImage());
    h->MouseEnter(0);
    Settle();
    QVERIFY(h->Lit() && h->PopupActive());
    QCOMPARE(h->CurrentImage(), h->HotImage());
    QCOMPARE(h->grab().toImage().convertToFormat(QImage::Format_RGB32), h->HotImage());
    f.Window->activateWindow();
    Settle();
    QVERIFY(!h->PopupActive());
    QCOMPARE(h->CurrentImage(), h->LitImage());
    QVERIFY(h->Popup()->isVisible());
    h->Popup()->activateWindow();
    Settle();
    QCOMPARE(h->CurrentImage(), h->HotImage());
    h->Popup()->close();
    Settle();
    QCOMPARE(h->CurrentImage(), h->NormalImage());
  }

  void panelSharedOnlyWithinTheGroup_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<THighlightType>("kind");
    QTest::addColumn<bool>("taken");
    QTest::newRow("same title and kind share") << "A/D &Range" << htSettings << true;
    QTest::newRow("same title, other kind is refused") << "A/D &Range" << htOptions << false;
    QTest::newRow("other title is refused") << "A/D Range" << htSettings << false;
  }
  void panelSharedOnlyWithinTheGroup() {
    QFETCH(QString, title);
    QFETCH(THighlightType, kind);
    QFETCH(bool, taken);
    TBoardFixture f;
    auto* h = new TBoardHighlight(f.BoardImage1);
    h->setTitle(title);
    h->setHighlightType(kind);
    auto* own = new TRadioPanel(f.Client);
    h->setRadioPanel(own);
    h->setRadioPanel(f.Panel("ADPanel"));
    QCOMPARE(h->RadioPanel(), taken ? f.Panel("ADPanel") : own);
    h->setRadioPanel(nullptr);
    QVERIFY(!h->RadioPanel());
  }

  // Walks the states of a group with real pointer moves over the windows.
  void pointerPreviewAndLeave() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    MovePointer(CentreOf(h));
    QCOMPARE(StateOf(h), TState::Preview);
    QVERIFY(!h->Popup()->CloseOnLeave);
    MovePointer(Nowhere());
    QCOMPARE(StateOf(h), TState::Idle);
    QVERIFY(!h->Lit());
    QVERIFY(!f.Entry(QStringLiteral("&Base Address"))->Checked());
  }

  void pointerIntoThePopupHoldsIt() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    MovePointer(CentreOf(h));
    MovePointer(CentreOf(h->Popup()->StatusMemo));
    QCOMPARE(StateOf(h), TState::Held);
    QVERIFY(f.Entry(QStringLiteral("&Base Address"))->Checked());
    // Between the window's own controls it stays; off the window it closes.
    MovePointer(CentreOf(h->Popup()->DoneButton));
    QCOMPARE(StateOf(h), TState::Held);
    MovePointer(Nowhere());
    QCOMPARE(StateOf(h), TState::Idle);
    QVERIFY(!h->Popup()->CloseOnLeave);
    QVERIFY(!f.Entry(QStringLiteral("&Base Address"))->Checked());
  }

  void clickPinsAndDoneCloses() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    int clicks = 0;
    h->OnClick = [&clicks](QObject*) { ++clicks; };
    MovePointer(CentreOf(h));
    Click(h);
    QCOMPARE(clicks, 1);
    QCOMPARE(StateOf(h), TState::Pinned);
    QVERIFY(f.Entry(QStringLiteral("&Base Address"))->Checked());
    MovePointer(Nowhere());
    QCOMPARE(StateOf(h), TState::Pinned);
    TPopupForm* popup = h->Popup();
    TRadioPanel* panel = f.Panel("BasePanel");
    Click(popup->DoneButton);
    Settle();
    QCOMPARE(StateOf(h), TState::Idle);
    QVERIFY(!popup->isVisible());
    QVERIFY(h->Pinned());  // until the next showing
    QVERIFY(!f.Entry(QStringLiteral("&Base Address"))->Checked());
    // Pointing again shows the same window with the same panel, unpinned.
    MovePointer(CentreOf(h));
    QCOMPARE(h->Popup(), popup);
    QCOMPARE(panel->parentWidget(), popup);
    QCOMPARE(StateOf(h), TState::Preview);
  }

  void closeBoxReturnsToIdle() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("OffsetHighlight");
    h->MouseEnter(0);
    h->Click();
    QCOMPARE(StateOf(h), TState::Pinned);
    h->Popup()->close();
    QCOMPARE(StateOf(h), TState::Idle);
    QCOMPARE(h->CurrentImage(), h->NormalImage());
  }

  void linkedGroupLightsTogether_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("other");
    QTest::newRow("first member") << "ADHighlight1"
                                  << "ADHighlight2";
    QTest::newRow("second member") << "ADHighlight2"
                                   << "ADHighlight1";
  }
  void linkedGroupLightsTogether() {
    QFETCH(QString, entered);
    QFETCH(QString, other);
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* a = f.Highlight(entered.toLatin1().constData());
    TBoardHighlight* b = f.Highlight(other.toLatin1().constData());
    MovePointer(CentreOf(a));
    QVERIFY(a->Lit() && b->Lit());
    QVERIFY(a->Popup() && a->Popup()->isVisible());
    QVERIFY(!b->Popup());
    QVERIFY(b->PopupActive());
    // Leaving through the other member keeps nothing open.
    b->MouseLeave(0);
    MovePointer(Nowhere());
    QVERIFY(!a->Lit() && !b->Lit());
    QVERIFY(!a->Popup()->isVisible());
    // Clicking the member without the popup pins the owner's.
    b->MouseEnter(0);
    b->Click();
    QCOMPARE(StateOf(a), TState::Pinned);
    QCOMPARE(QApplication::activeWindow(), a->Popup());
  }

  void otherHighlightsStayIdle() {
    TBoardFixture f;
    f.ShowWindow();
    MovePointer(CentreOf(f.Highlight("ADHighlight1")));
    for (const char* name : {"BaseHighlight", "BlankHighlight", "OffsetHighlight", "GainHighlight"})
      QVERIFY2(!f.Highlight(name)->Lit(), name);
  }

  // Activation brings the whole group to the front, each member once.
  void activationBringsTheGroupToTheFront() {
    TBoardFixture f;
    f.PaintBoard();
    TBoardHighlight* a1 = f.Highlight("ADHighlight1");
    a1->SetActive(true, true);
    QStringList order;
    for (QObject* child : f.BoardImage1->children())
      if (qobject_cast<TBoardHighlight*>(child)) order.append(child->objectName());
    QCOMPARE(order, QStringList({"BaseHighlight", "BlankHighlight", "OffsetHighlight", "GainHighlight",
                                 "ADHighlight1", "ADHighlight2"}));
    QVERIFY(a1->PopupActive() && f.Highlight("ADHighlight2")->PopupActive());
    QVERIFY(!f.Highlight("BaseHighlight")->PopupActive());
    f.Highlight("ADHighlight2")->SetActive(false, true);
    QVERIFY(!a1->PopupActive());
  }

  void withoutCreatePopupOnlyLights() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("GainHighlight");
    h->setCreatePopup(false);
    MovePointer(CentreOf(h));
    QVERIFY(h->Lit());
    QVERIFY(!h->Popup());
  }

  // A highlight without a parent, with or without a panel, still lights,
  // shows, pins and closes its own popup; Previous and Next do nothing.
  void standsAlone_data() {
    QTest::addColumn<bool>("withPanel");
    QTest::newRow("with a panel") << true;
    QTest::newRow("without a panel") << false;
  }
  void standsAlone() {
    QFETCH(bool, withPanel);
    TRadioPanel panel;
    panel.resize(150, 60);
    TBoardHighlight h;
    h.setTitle(QStringLiteral("&Alone"));
    if (withPanel) h.setRadioPanel(&panel);
    (void)h.grab();
    QVERIFY(h.PaintedOnce() && !h.BoardMenu());
    h.MouseEnter(0);
    h.Click();
    TPopupForm* popup = h.Popup();
    QVERIFY(popup && popup->isVisible() && h.Pinned());
    QCOMPARE(popup->Panel(), withPanel ? &panel : nullptr);
    h.SetActive(true, true);
    QCOMPARE(h.CurrentImage(), h.HotImage());
    QTest::mouseClick(popup->NextButton, Qt::LeftButton);
    QTest::mouseClick(popup->PreviousButton, Qt::LeftButton);
    QVERIFY(popup->isVisible());
    QTest::mouseClick(popup->DoneButton, Qt::LeftButton);
    QVERIFY(!popup->isVisible() && !h.Lit());
    if (withPanel) panel.setParent(nullptr);
  }

  // Two groups of one kind whose titles differ only in the place of the &
  // have equal popup captions; each still gets its own popup.
  void equalCaptionsGetTheirOwnPopups() {
    TBoardFixture f;
    auto* first = new TBoardHighlight(f.BoardImage1);
    first->setTitle(QStringLiteral("&Gate"));
    first->setGeometry(10, 300, 20, 20);
    auto* second = new TBoardHighlight(f.BoardImage1);
    second->setTitle(QStringLiteral("G&ate"));
    second->setGeometry(40, 300, 20, 20);
    QCOMPARE(first->PopupCaption(), second->PopupCaption());
    f.ShowWindow();
    first->MouseEnter(0);
    first->Click();
    second->MouseEnter(0);
    Settle();
    QVERIFY(first->Popup() && second->Popup());
    QVERIFY(first->Popup() != second->Popup());
    QVERIFY(first->Popup()->isVisible() && second->Popup()->isVisible());
    QCOMPARE(second->Popup()->Caption(), QStringLiteral("Gate"));
  }
};

QTEST_MAIN(TestHighlight)
#include "test_highlight.moc"
