#include "boardfixture.h"

#include <QApplication>
#include <QCursor>
#include <QImage>

#include "SetupCtrls/popupform.h"
#include "platform/picture.h"

namespace {

struct THighlightRow {
  const char* Name;
  QRect Place;
  THighlightType Kind;
  const char* Title;
  const char* Panel;
};

struct TPanelRow {
  const char* Name;
  QRect Place;
  int MemoHeight;
  TAnchors FinalAnchors;
  const char* Line;
};

const TPanelRow kPanels[] = {
    {"BasePanel", QRect(461, -26, 188, 72), 58, akLeftTop, "Set the switch to the base address."},
    {"ADPanel", QRect(244, 87, 229, 118), 58, akLeftTop, "Set the jumpers for the input range."},
    {"OffsetPanel", QRect(56, 8, 449, 129), 40, akLeft | akTop | akRight, "Turn the offset pot."},
};

const THighlightRow kHighlights[] = {
    {"BaseHighlight", QRect(322, 202, 67, 33), htSettings, "&Base Address", "BasePanel"},
    {"ADHighlight1", QRect(378, 14, 14, 31), htSettings, "A/D &Range", "ADPanel"},
    {"BlankHighlight", QRect(100, 100, 30, 30), htOptions, "", nullptr},
    {"ADHighlight2", QRect(381, 34, 13, 30), htSettings, "A/D &Range", "ADPanel"},
    {"OffsetHighlight", QRect(408, 0, 58, 81), htCalibration, "Calibrate &Offset", "OffsetPanel"},
    {"GainHighlight", QRect(200, 250, 20, 81), htCalibration, "Calibrate &Gain", nullptr},
};

TMenuItem* MakeItem(QObject* owner, const char* name, const char* caption) {
  auto* item = new TMenuItem(owner);
  item->setObjectName(QString::fromLatin1(name));
  item->SetCaption(QString::fromLatin1(caption));
  return item;
}

}  // namespace

TBoardFixture::TBoardFixture() {
  Window = new QMainWindow;
  Window->setObjectName(QStringLiteral("MainForm"));
  Client = new QWidget(Window);
  Window->setCentralWidget(Client);
  MainMenu1 = new TMainMenu(Window);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  Window->setMenuBar(MainMenu1);
  TMenuItem* file = MakeItem(Window, "File1", "&File");
  MainMenu1->Add(file);
  file->Add(MakeItem(Window, "Exit1", "E&xit"));
  TMenuItem* help = MakeItem(Window, "Help1", "&Help");
  MainMenu1->Add(help);
  help->Add(MakeItem(Window, "About1", "&About"));
  Window->resize(kClientWidth, kClientHeight + MainMenu1->sizeHint().height());

  BoardImage1 = new TBoardImage(Client);
  BoardImage1->setObjectName(QStringLiteral("BoardImage1"));
  BoardImage1->setAutoSize(false);
  BoardImage1->setGeometry(QRect(kDesigned, QSize(kBoardWidth, kBoardHeight)));
  BoardImage1->setStretch(true);
  QImage photo(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
  photo.fill(QColor(kGrey, kGrey, kGrey));
  TPicture picture;
  picture.SetImage(photo);
  BoardImage1->setPicture(&picture);
  BoardImage1->setMenu(MainMenu1);

  for (const TPanelRow& row : kPanels) {
    auto* panel = new TRadioPanel(Client);
    panel->setObjectName(QString::fromLatin1(row.Name));
    panel->setGeometry(row.Place);
    panel->setMemoHeight(row.MemoHeight);
    panel->setFinalAnchors(row.FinalAnchors);
    panel->setLines({QString::fromLatin1(row.Line)});
  }
  for (const THighlightRow& row : kHighlights) {
    auto* h = new TBoardHighlight(BoardImage1);
    h->setObjectName(QString::fromLatin1(row.Name));
    h->setGeometry(row.Place);
    h->setHighlightType(row.Kind);
    h->setTitle(QString::fromLatin1(row.Title));
    if (row.Panel) h->setRadioPanel(Panel(row.Panel));
  }
  BoardImage1->setFirst(Highlight("BaseHighlight"));
}

TBoardFixture::~TBoardFixture() {
  delete Window;
}

void TBoardFixture::PaintBoard() {
  (void)BoardImage1->grab();
}

void TBoardFixture::ShowWindow() {
  Window->show();
  Settle();
}

TBoardHighlight* TBoardFixture::Highlight(const char* name) const {
  return BoardImage1->findChild<TBoardHighlight*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

TRadioPanel* TBoardFixture::Panel(const char* name) const {
  return Window->findChild<TRadioPanel*>(QString::fromLatin1(name));
}

TMenuItem* TBoardFixture::Item(const char* name) const {
  return Window->findChild<TMenuItem*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

QStringList TBoardFixture::MenuCaptions() const {
  QStringList captions;
  for (int i = 0; i < MainMenu1->Count(); ++i) captions.append(MainMenu1->Items(i)->Caption());
  return captions;
}

QStringList TBoardFixture::EntryCaptions(const QString& topCaption) const {
  QStringList captions;
  for (int i = 0; i < MainMenu1->Count(); ++i) {
    const TMenuItem* top = MainMenu1->Items(i);
    if (top->Caption() != topCaption) continue;
    for (int j = 0; j < top->Count(); ++j) captions.append(top->Items(j)->Caption());
  }
  return captions;
}

TMenuItem* TBoardFixture::Entry(const QString& title) const {
  for (int i = 0; i < MainMenu1->Count(); ++i) {
    const TMenuItem* top = MainMenu1->Items(i);
    for (int j = 0; j < top->Count(); ++j)
      if (top->Items(j)->Caption() == title) return top->Items(j);
  }
  return nullptr;
}

void Settle() {
  QApplication::processEvents();
  QApplication::processEvents();
}

// The offscreen platform finds the window under the pointer without regard
// to stacking, so a popup over the main window does not learn that the
// pointer left it; that notification is delivered here.
void MovePointer(QPoint screen) {
  const QPoint from = QCursor::pos();
  QCursor::setPos(screen);
  Settle();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* popup = qobject_cast<TPopupForm*>(w);
    if (!popup || !popup->isVisible()) continue;
    const QRect frame = popup->frameGeometry();
    if (frame.contains(from) && !frame.contains(screen)) {
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(popup, &leave);
    }
  }
  Settle();
}
