#include "popupform.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

#include "SetupCtrls/boardhighlight.h"
#include "SetupCtrls/boardimage.h"
#include "SetupCtrls/componentnames.h"
#include "SetupCtrls/radiopanel.h"
#include "platform/anchors.h"
#include "platform/classname.h"

namespace {

constexpr int kButtonWidth = 58;
constexpr int kButtonHeight = 25;
constexpr int kMargin = 6;
// From the client area's bottom edge to the buttons' top edge.
constexpr int kButtonRise = TPopupForm::kStatusHeight + kButtonHeight;

const QString kPreviousText = QStringLiteral("Previous");
const QString kNextText = QStringLiteral("Next");
const QString kDoneText = QStringLiteral("Done");
// The status bar's single panel is drawn without a bevel.
const QString kFlatStatusStyle = QStringLiteral("QStatusBar::item { border: none; }");

}  // namespace

TPopupLayout PopupLayout(int cw, int ch, int memoHeight) {
  TPopupLayout l;
  const int buttonTop = ch - kButtonRise;
  l.Status = QRect(0, ch - TPopupForm::kStatusHeight, cw, TPopupForm::kStatusHeight);
  l.Previous = QRect(kMargin, buttonTop, kButtonWidth, kButtonHeight);
  l.Next = QRect((cw - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight);
  l.Done = QRect(cw - kButtonWidth - kMargin, buttonTop, kButtonWidth, kButtonHeight);
  l.Memo = QRect(kMargin, buttonTop - kMargin - memoHeight, cw - 2 * kMargin, memoHeight);
  return l;
}

QPoint PopupPlace(QPoint parentPos, int parentHeight, bool onBoardImage, QPoint designed, bool hasPanel,
                  QPoint panelPos) {
  QPoint shift(0, 0);
  if (onBoardImage) shift = designed - panelPos;
  if (!hasPanel) shift = QPoint(0, -(parentHeight + TPopupForm::kBareGap));
  return parentPos - shift;
}

int KeepOnScreen(int start, int length, int screenLength) {
  if (start < 0) return 0;
  if (start + length > screenLength) return screenLength - length;
  return start;
}

TPopupForm::TPopupForm(TBoardHighlight* owner) : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint) {
  OwnerHighlight = owner;
}

TPopupForm::~TPopupForm() {
  OnClose = nullptr;
  OwnerHighlight = nullptr;
}

QSize TPopupForm::OuterSize() const {
  return size() + FrameSize();
}

// Until the window has been shown the window system has not told its frame;
// the frame counts as none then, and the window is placed by its outer top
// left all the same.
QSize TPopupForm::FrameSize() const {
  if (!testAttribute(Qt::WA_WState_Created)) return QSize(0, 0);
  return frameGeometry().size() - size();
}

void TPopupForm::SetOuterSize(QSize size) {
  resize(size - FrameSize());
}

QPushButton* TPopupForm::MakeButton(const char* name, const QString& text, const QRect& place,
                                    unsigned anchors) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setGeometry(place);
  SetAnchors(button, anchors);
  return button;
}

void TPopupForm::Build(TRadioPanel* panel, const QString& caption, int tag) {
  panel_ = panel;
  int memoHeight = kBareMemoHeight;
  QPoint panelPos(0, 0);
  if (panel) {
    memoHeight = panel->MemoHeight();
    OnActivate = panel->OnActivate;
    OnDeactivate = panel->OnDeactivate;
    panelPos = panel->pos();
    panel->setParent(this);
    panel->move(0, 0);
    panel->setVisible(true);
    resize(panel->width(), panel->height() + kFrameRows + memoHeight);
    SetAnchors(panel, panel->FinalAnchors());
    panel->setInPopup(true);
  } else {
    SetOuterSize(QSize(kBareWidth, kBareHeight));
  }

  setWindowTitle(caption);
  const QSize outer = OuterSize();
  SetOuterSize(QSize(std::max(kMinOuterWidth, outer.width()), std::max(kMinOuterHeight, outer.height())));
  setMinimumSize(size());
  tag_ = tag;

  QWidget* parent = OwnerHighlight ? OwnerHighlight->parentWidget() : nullptr;
  if (parent) {
    const auto* image = IsClassName(parent, kBoardImageClass) ? qobject_cast<TBoardImage*>(parent) : nullptr;
    const QPoint designed = image ? QPoint(image->DesignedLeft(), image->DesignedTop()) : QPoint();
    move(PopupPlace(parent->pos(), parent->height(), image != nullptr, designed, panel != nullptr, panelPos));
  }

  const TPopupLayout layout = PopupLayout(width(), height(), memoHeight);
  PopupStatus = new QStatusBar(this);
  PopupStatus->setObjectName(QStringLiteral("PopupStatus"));
  PopupStatus->setStyleSheet(kFlatStatusStyle);
  PopupStatus->addWidget(new QLabel(PopupStatus), 1);
  PopupStatus->setGeometry(layout.Status);
  SetAnchors(PopupStatus, akLeft | akRight | akBottom);

  PreviousButton = MakeButton("PreviousButton", kPreviousText, layout.Previous, akLeft | akBottom);
  NextButton = MakeButton("NextButton", kNextText, layout.Next, akBottom);
  DoneButton = MakeButton("DoneButton", kDoneText, layout.Done, akRight | akBottom);
  connect(PreviousButton, &QPushButton::clicked, this, [this] {
    if (OwnerHighlight) OwnerHighlight->PreviousClick(PreviousButton);
  });
  connect(NextButton, &QPushButton::clicked, this, [this] {
    if (OwnerHighlight) OwnerHighlight->NextClick(NextButton);
  });
  connect(DoneButton, &QPushButton::clicked, this, [this] {
    if (OwnerHighlight) OwnerHighlight->DoneClick(DoneButton);
  });

  StatusMemo = new QPlainTextEdit(this);
  StatusMemo->setObjectName(QStringLiteral("StatusMemo"));
  StatusMemo->setReadOnly(true);
  StatusMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  if (panel) StatusMemo->setPlainText(panel->Lines().join(QLatin1Char('\n')));
  StatusMemo->setGeometry(layout.Memo);
  SetAnchors(StatusMemo, akAll);

  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  const QSize size = OuterSize();
  move(KeepOnScreen(x(), size.width(), screen.width()), KeepOnScreen(y(), size.height(), screen.height()));
}

void TPopupForm::ShowActive() {
  // A window manager may offer to minimise even a tool window; showing it
  // again brings it back.
  if (windowState() & Qt::WindowMinimized) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

void TPopupForm::ShowFirst() {
  ShowActive();
  if (panel_)
    panel_->setFocus(Qt::OtherFocusReason);
  else
    DoneButton->setFocus(Qt::OtherFocusReason);
}

bool TPopupForm::event(QEvent* event) {
  const bool activate = event->type() == QEvent::WindowActivate;
  if (activate || event->type() == QEvent::WindowDeactivate) {
    if (OwnerHighlight) OwnerHighlight->SetActive(activate, true);
    const TNotifyEvent handler = activate ? OnActivate : OnDeactivate;
    if (handler) handler(this);
  }
  return QWidget::event(event);
}

void TPopupForm::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  // Moving between the window's own controls is no leaving.
  if (frameGeometry().contains(QCursor::pos())) return;
  if (CloseOnLeave) close();
}

void TPopupForm::closeEvent(QCloseEvent* event) {
  if (OnClose) OnClose(this);
  event->accept();
}
