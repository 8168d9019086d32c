// The supporter's frame: the title line, the instructions window with its
// Start button and the technical-support window, built at the first idle
// moment.
#include <QAbstractEventDispatcher>
#include <QLabel>
#include <QPlainTextEdit>
#include <QThread>

#include "SetupCtrls/helpdocument.h"
#include "SetupCtrls/helpform.h"
#include "SetupCtrls/pciform.h"
#include "SetupCtrls/techform.h"
#include "platform/button.h"
#include "platform/richedit.h"
#include "platform/timerwindow.h"
#include "platform/usermessage.h"
#include "testmain.h"
#include "windowfixture.h"

namespace fixture {

// Stands in for the board image: records the messages it is sent.
class TBoardImage : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  std::vector<std::pair<qintptr, qintptr>> Received;

 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::Type(WM_OPENFIRSTPOPUP)) {
      auto* m = static_cast<TMessageEvent*>(e);
      Received.emplace_back(m->WParam, m->LParam);
      return true;
    }
    return QWidget::event(e);
  }
};

class TDerivedBoardImage : public TBoardImage {
  Q_OBJECT
 public:
  using TBoardImage::TBoardImage;
};

class TOtherControl : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  int Messages = 0;

 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::Type(WM_OPENFIRSTPOPUP)) ++Messages;
    return QWidget::event(e);
  }
};

}  // namespace fixture

class TestWindows : public QObject {
  Q_OBJECT
 private slots:
  void firstIdleBuildsOnce();
  void headerLabel();
  void helpFormBuilt();
  void helpFormSize_data();
  void helpFormSize();
  void helpFormCentredAtFirstShowing();
  void firstTickShowsHelp();
  void startButtonKeys_data();
  void startButtonKeys();
  void startButtonFindsFirstBoardImage_data();
  void startButtonFindsFirstBoardImage();
  void techForm();
  void closeHidesTheButtonsWindow();
  void cardNameAndSeries_data();
  void cardNameAndSeries();
  void refusedTimerStillBuilds();
};

void TestWindows::firstIdleBuildsOnce() {
  TMainWindowFixture f;
  TApplication::Instance()->OnIdle = TNotifyEvent::Bind(f.supporter, &TSetupSupporter::FirstIdle);
  f.supporter->FirstIdle(TApplication::Instance());
  QVERIFY(!TApplication::Instance()->OnIdle);
  QVERIFY(f.supporter->HeaderLabel);
  QVERIFY(f.supporter->HelpForm);
  QVERIFY(f.supporter->TechForm);
  // Without a card-description handler there is no installed-cards window.
  QVERIFY(!f.supporter->PCIForm);
  QVERIFY(!f.window->findChild<TMenuItem*>("DisplayPCI"));
  QCOMPARE(f.file->Count(), 1);

  const QPointer<THelpForm> help = f.supporter->HelpForm;
  const auto children = f.window->findChildren<QObject*>().size();
  f.supporter->FirstIdle(nullptr);
  f.supporter->BuildWindows();
  QCOMPARE(f.supporter->HelpForm, help);
  QCOMPARE(f.window->findChildren<QObject*>().size(), children);
  QCOMPARE(f.window->findChildren<QLabel*>("HeaderLabel").size(), 1);
}

void TestWindows::headerLabel() {
  TMainWindowFixture f;
  f.window->show();
  f.supporter->BuildWindows();
  QLabel* header = f.supporter->HeaderLabel;
  QCOMPARE(header->parentWidget(), f.client);
  QCOMPARE(header->objectName(), QString("HeaderLabel"));
  QCOMPARE(header->text(), QString("PX-407 Series Settings Program"));
  QVERIFY(header->isVisible());
  QCOMPARE(header->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  QCOMPARE(header->font().families().first(), QString("Tahoma"));
  QVERIFY(header->font().bold());
  QCOMPARE(header->font().pixelSize(), 24);  // 18 points at 96 pixels per inch
  QCOMPARE(header->palette().color(QPalette::WindowText), QColor(Qt::black));
  // Across the whole client width, also when the window is resized.
  QCOMPARE(header->geometry().topLeft(), QPoint(0, 0));
  QCOMPARE(header->width(), f.client->width());
  f.window->resize(1000, 700);
  QCOMPARE(header->width(), f.client->width());
}

void TestWindows::helpFormBuilt() {
  TMainWindowFixture f;
  f.supporter->BuildWindows();
  THelpForm* help = f.supporter->HelpForm;
  QCOMPARE(help->parent(), f.window.get());
  QVERIFY(help->isWindow());
  QVERIFY(help->isHidden());
  QCOMPARE(help->objectName(), QString("HelpForm"));
  QCOMPARE(help->windowTitle(), QString("Instructions for Settings utility"));
  QVERIFY(help->windowFlags() & Qt::WindowStaysOnTopHint);

  QCOMPARE(help->HelpLabel->objectName(), QString("HelpLabel"));
  QCOMPARE(help->HelpLabel->text(), QString("How to use this program"));
  QVERIFY(help->HelpLabel->font().bold());
  QCOMPARE(help->HelpLabel->font().pixelSize(), 16);  // 12 points

  QCOMPARE(help->HelpRich->objectName(), QString("HelpRich"));
  QVERIFY(help->HelpRich->isReadOnly());
  QCOMPARE(help->HelpRich->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(help->HelpRich->palette().color(QPalette::Base), QColor(221, 221, 221));
  QVERIFY(help->HelpRich->toPlainText().startsWith("ORVANE PX-407 Series Settings Program"));

  QCOMPARE(help->StartButton->objectName(), QString("StartButton"));
  QCOMPARE(help->StartButton->Caption(), QString("Start"));
  QVERIFY(help->StartButton->Default());
  QVERIFY(help->StartButton->Cancel());
  QCOMPARE(help->focusWidget(), help->StartButton);
}

void TestWindows::helpFormSize_data() {
  QTest::addColumn<QSize>("screen");
  QTest::addColumn<QSize>("client");
  QTest::newRow("640 x 480") << QSize(640, 480) << QSize(305, 138);
  QTest::newRow("800 x 600") << QSize(800, 600) << QSize(305, 138);
  QTest::newRow("1024 x 768") << QSize(1024, 768) << QSize(390, 177);
  QTest::newRow("1280 x 1024") << QSize(1280, 1024) << QSize(488, 221);
  QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QSize(732, 331);
}

void TestWindows::helpFormSize() {
  QFETCH(QSize, screen);
  QFETCH(QSize, client);
  TMainWindowFixture f;
  f.supporter->ScreenSizeSource = [screen] { return screen; };
  f.supporter->BuildWindows();
  THelpForm* help = f.supporter->HelpForm;
  help->show();
  QCOMPARE(help->size(), client);
  // The text grows with the window; the button keeps its distance from the
  // bottom and stays centred.
  const QSize grown = client - THelpForm::kDesignClientSize;
  QCOMPARE(help->HelpRich->geometry(), QRect(0, 24, 305 + grown.width(), 73 + grown.height()));
  QCOMPARE(help->StartButton->size(), QSize(173, 25));
  QCOMPARE(help->StartButton->geometry().bottom() + 1, client.height() - 8);
  QVERIFY(qAbs(help->StartButton->x() - (client.width() - 173) / 2) <= 1);
  QCOMPARE(help->HelpLabel->width(), client.width());
}

void TestWindows::helpFormCentredAtFirstShowing() {
  TMainWindowFixture f;
  f.window->show();
  f.supporter->BuildWindows();
  THelpForm* help = f.supporter->HelpForm;
  help->show();
  const QRect main = f.window->frameGeometry();
  const QRect outer = help->frameGeometry();
  QCOMPARE(outer.left(), main.left() + (main.width() - outer.width()) / 2);
  QCOMPARE(outer.top(), main.top() + (main.height() - outer.height()) / 2);
  // Afterwards it reopens where it was.
  help->move(20, 30);
  const QPoint moved = help->pos();
  help->hide();
  help->show();
  QCOMPARE(help->pos(), moved);
}

void TestWindows::firstTickShowsHelp() {
  TMainWindowFixture f;
  f.supporter->BuildWindows();
  QVERIFY(f.supporter->HelpPending());
  QVERIFY(f.supporter->TimerWindow->Active());
  QVERIFY(f.supporter->HelpForm->isHidden());
  f.supporter->CalibTick();
  QVERIFY(f.supporter->HelpForm->isVisible());
  QVERIFY(!f.supporter->HelpPending());
  // Calibration is not running, so the timer is gone.
  QVERIFY(!f.supporter->TimerWindow->Active());
  QVERIFY(f.supporter->TechForm->isHidden());
}

void TestWindows::startButtonKeys_data() {
  QTest::addColumn<int>("key");
  QTest::newRow("Enter") << int(Qt::Key_Return);
  QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestWindows::startButtonKeys() {
  QFETCH(int, key);
  TMainWindowFixture f;
  auto* board = new fixture::TBoardImage(f.client);
  f.window->show();
  f.supporter->BuildWindows();
  f.supporter->CalibTick();
  THelpForm* help = f.supporter->HelpForm;
  help->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(help));
  QCOMPARE(QApplication::focusWidget(), help->StartButton);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
  QVERIFY(help->isHidden());
  QCOMPARE(board->Received.size(), std::size_t(1));
}

void TestWindows::startButtonFindsFirstBoardImage_data() {
  QTest::addColumn<QStringList>("children");
  QTest::addColumn<int>("receiver");  // index into children, or -1
  QTest::newRow("only a board image") << QStringList{"board"} << 0;
  QTest::newRow("first of two board images") << QStringList{"other", "board", "board"} << 1;
  QTest::newRow("derived board image") << QStringList{"other", "derived", "board"} << 1;
  QTest::newRow("no board image") << QStringList{"other"} << -1;
  QTest::newRow("nothing on the window") << QStringList{} << -1;
}

void TestWindows::startButtonFindsFirstBoardImage() {
  QFETCH(QStringList, children);
  QFETCH(int, receiver);
  TMainWindowFixture f;
  std::vector<QWidget*> made;
  for (const QString& kind : children) {
    if (kind == "board") made.push_back(new fixture::TBoardImage(f.client));
    if (kind == "derived") made.push_back(new fixture::TDerivedBoardImage(f.client));
    if (kind == "other") made.push_back(new fixture::TOtherControl(f.client));
  }
  f.supporter->BuildWindows();
  THelpForm* help = f.supporter->HelpForm;
  help->show();
  help->StartButton->Click();
  QVERIFY(help->isHidden());
  for (int i = 0; i < int(made.size()); ++i) {
    if (auto* board = qobject_cast<fixture::TBoardImage*>(made[std::size_t(i)])) {
      const std::size_t expected = i == receiver ? 1 : 0;
      QCOMPARE(board->Received.size(), expected);
      if (expected) QCOMPARE(board->Received[0], std::make_pair(qintptr(0), qintptr(0)));
    } else {
      QCOMPARE(static_cast<fixture::TOtherControl*>(made[std::size_t(i)])->Messages, 0);
    }
  }
}

void TestWindows::techForm() {
  TMainWindowFixture f;
  f.supporter->BuildWindows();
  TTechForm* tech = f.supporter->TechForm;
  QCOMPARE(tech->parent(), f.window.get());
  QVERIFY(tech->isHidden());
  QCOMPARE(tech->objectName(), QString("TechForm"));
  QCOMPARE(tech->windowTitle(), QString("Technical Support"));
  QVERIFY(tech->windowFlags() & Qt::WindowStaysOnTopHint);
  QCOMPARE(tech->TechMemo->objectName(), QString("TechMemo"));
  QCOMPARE(tech->TechMemo->toPlainText(), SupportText("ORVANE", "at 555-0100").replace("\r\n", "\n"));
  QVERIFY(tech->TechMemo->isReadOnly());
  QCOMPARE(tech->TechMemo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  QCOMPARE(tech->CloseButton->objectName(), QString("CloseButton"));
  QCOMPARE(tech->CloseButton->Caption(), QString("Close"));
  QVERIFY(tech->CloseButton->Cancel());
  QVERIFY(!tech->CloseButton->Default());
  tech->show();
  // Fitted to its controls and not scaled.
  QCOMPARE(tech->size(), QSize(305, 122));
  QCOMPARE(tech->TechMemo->geometry(), QRect(0, 0, 305, 89));
  QCOMPARE(tech->CloseButton->geometry(), QRect(116, 97, 73, 25));
  tech->resize(405, 222);
  QCOMPARE(tech->TechMemo->geometry(), QRect(0, 0, 405, 189));
  QCOMPARE(tech->CloseButton->y(), 197);
}

void TestWindows::closeHidesTheButtonsWindow() {
  TMainWindowFixture f;
  f.supporter->BuildWindows();
  TTechForm* tech = f.supporter->TechForm;
  tech->show();
  const QString text = tech->TechMemo->toPlainText();
  tech->CloseButton->Click();
  QVERIFY(tech->isHidden());
  QVERIFY(f.window->findChild<TTechForm*>("TechForm"));
  tech->show();
  QCOMPARE(tech->TechMemo->toPlainText(), text);
  // Escape presses Close.
  tech->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(tech));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QVERIFY(tech->isHidden());
  // A sender without a window to hide is ignored.
  f.supporter->CloseParentClick(nullptr);
}

void TestWindows::cardNameAndSeries_data() {
  QTest::addColumn<bool>("useB");
  QTest::addColumn<bool>("series");
  QTest::addColumn<QString>("header");
  QTest::addColumn<QString>("title");
  QTest::newRow("card name A with Series") << false << true << "PX-407 Series Settings Program"
                                           << "ORVANE PX-407 Series Settings Program";
  QTest::newRow("card name B") << true << true << "PX-407B Series Settings Program"
                               << "ORVANE PX-407B Series Settings Program";
  QTest::newRow("without Series") << false << false << "PX-407 Settings Program"
                                  << "ORVANE PX-407 Settings Program";
}

void TestWindows::cardNameAndSeries() {
  QFETCH(bool, useB);
  QFETCH(bool, series);
  QFETCH(QString, header);
  QFETCH(QString, title);
  TMainWindowFixture f;
  f.supporter->setUseCardNameB(useB);
  f.supporter->setbSeries(series);
  f.supporter->BuildWindows();
  QCOMPARE(f.supporter->HeaderLabel->text(), header);
  QVERIFY(f.supporter->HelpForm->HelpRich->toPlainText().startsWith(title + "\n"));
}

void TestWindows::refusedTimerStillBuilds() {
  TMainWindowFixture f;
  // A timer object in a thread that never runs gets no timer.
  QThread idle;
  f.supporter->TimerWindow->moveToThread(&idle);
  QVERIFY_THROWS_EXCEPTION(EOutOfResources, f.supporter->BuildWindows());
  QVERIFY(f.supporter->HelpPending());
  QVERIFY(f.supporter->HelpForm);
  QVERIFY(f.supporter->HelpForm->isHidden());
  QCOMPARE(f.supporter->HeaderLabel->text(), QString("PX-407 Series Settings Program"));

  // Through the idle event the error goes to the standard error report.
  TMainWindowFixture g;
  g.supporter->TimerWindow->moveToThread(&idle);
  TBoxRecorder boxes;
  TApplication::Instance()->OnIdle = TNotifyEvent::Bind(g.supporter, &TSetupSupporter::FirstIdle);
  // The event loop's moment of falling idle.
  emit QAbstractEventDispatcher::instance()->aboutToBlock();
  QCOMPARE(boxes.Boxes.size(), std::size_t(1));
  QCOMPARE(boxes.Boxes[0].text, QString("Not enough timers available."));
  QVERIFY(g.supporter->HelpForm);
}

PX_TEST_MAIN(TestWindows)
#include "test_windows.moc"
