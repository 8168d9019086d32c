#include "pciform.h"

#include <QPlainTextEdit>

#include "formfit.h"
#include "helpdocument.h"
#include "platform/anchors.h"
#include "platform/button.h"
#include "platform/fonts.h"
#include "techform.h"

namespace {

const QString kMemoFace = QStringLiteral("Tahoma");
constexpr int kMemoPoints = 10;
constexpr QRect kMemoRect{8, 8, 305, 89};
constexpr int kCloseTop = 105;
constexpr QSize kCloseSize{73, 25};

}  // namespace

TPCIForm::TPCIForm(QWidget* owner, const QString& cardName) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("PCIForm"));
  setWindowTitle(CardListWindowCaption(cardName));
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  resize(kNewWindowSize);

  PCIMemo = MakeMemo(this, QStringLiteral("PCIMemo"), kMemoRect);
  PCIMemo->setFont(MakeFont(kMemoFace, PointsToHeight(kMemoPoints), true));
  // Centred in the window's outer width as it is before the fitting, and
  // not centred again afterwards.
  const int closeLeft = (kNewWindowSize.width() - kCloseSize.width()) / 2;
  CloseButton = MakeCloseButton(this, QRect(QPoint(closeLeft, kCloseTop), kCloseSize));
  setTabOrder(CloseButton, PCIMemo);

  FitClientToControls(this);
  SetAnchors(PCIMemo, akAll);
  SetAnchors(CloseButton, akBottom);
  show();
}
