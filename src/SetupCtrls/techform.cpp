#include "techform.h"

#include <QPlainTextEdit>

#include "formfit.h"
#include "platform/anchors.h"
#include "platform/button.h"

namespace {

const QString kCaption = QStringLiteral("Technical Support");
const QString kCloseCaption = QStringLiteral("Close");
constexpr QRect kMemoRect{8, 8, 305, 89};
constexpr QRect kCloseRect{165, 105, 73, 25};

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

  TechMemo = MakeMemo(this, QStringLiteral("TechMemo"), kMemoRect);
  TechMemo->setPlainText(supportText);
  CloseButton = MakeCloseButton(this, kCloseRect);
  setTabOrder(CloseButton, TechMemo);

  FitClientToControls(this);
  SetAnchors(TechMemo, akAll);
  CloseButton->move((width() - CloseButton->width()) / 2, CloseButton->y());
  SetAnchors(CloseButton, akBottom);
}
