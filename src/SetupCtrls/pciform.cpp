#include "pciform.h"

#include <QPlainTextEdit>

#include "formfit.h"
#include "helpdocument.h"
#include "platform/anchors.h"
#include "platform/button.h"
#include "platform/fonts.h"
#include "techform.h"

namespace {

constexpr int kMemoPoints = 10;

}  // namespace

TPCIForm::TPCIForm(QWidget* owner, const QString& cardName) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("PCIForm"));
  setWindowTitle(CardListWindowCaption(cardName));
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  resize(kNewWindowSize);

  PCIMemo = MakeMemo(this, QStringLiteral("PCIMemo"), kMemoGeometry);
  PCIMemo->setFont(MakeFont(kTahomaFace, PointsToHeight(kMemoPoints), true));
  // Centred in the window's outer width as it is before the fitting, and
  // not centred again afterwards.
  const int closeLeft = (kNewWindowSize.width() - kCloseButtonSize.width()) / 2;
  CloseButton = MakeCloseButton(this, QRect(QPoint(closeLeft, kCloseButtonTop), kCloseButtonSize));
  setTabOrder(CloseButton, PCIMemo);

  FitClientToControls(this);
  SetAnchors(PCIMemo, akAll);
  SetAnchors(CloseButton, akBottom);
  show();
}
