#include "techform.h"

#include <QPlainTextEdit>

#include "formfit.h"
#include "platform/anchors.h"
#include "platform/button.h"

namespace {

const QString kCaption = QStringLiteral("Technical Support");
const QString kCloseCaption = QStringLiteral("Close");
constexpr int kCloseLeft = 165;

}  // namespace

QPlainTextEdit* MakeMemo(QWidget* parent, const QString& name, const QRect& geometry) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setGeometry(geometry);
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return memo;
}

TButton* MakeCloseButton(QWidget* parent, const QRect& geometry) {
  auto* button = new TButton(parent);
  button->setObjectName(QStringLiteral("CloseButton"));
  button->setGeometry(geometry);
  button->setCancel(true);
  button->setCaption(kCloseCaption);
  button->setFocus();
  return button;
}

TTechForm::TTechForm(QWidget* owner, const QString& supportText) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("TechForm"));
  setWindowTitle(kCaption);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  resize(kNewWindowSize);

  TechMemo = MakeMemo(this, QStringLiteral("TechMemo"), kMemoGeometry);
  TechMemo->setPlainText(supportText);
  CloseButton = MakeCloseButton(this, QRect(QPoint(kCloseLeft, kCloseButtonTop), kCloseButtonSize));
  setTabOrder(CloseButton, TechMemo);

  FitClientToControls(this);
  SetAnchors(TechMemo, akAll);
  CloseButton->move((width() - CloseButton->width()) / 2, CloseButton->y());
  SetAnchors(CloseButton, akBottom);
}
