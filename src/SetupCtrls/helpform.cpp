#include "helpform.h"

#include <QLabel>

#include "componentnames.h"
#include "formfit.h"
#include "helpdocument.h"
#include "platform/anchors.h"
#include "platform/button.h"
#include "platform/classname.h"
#include "platform/fonts.h"
#include "platform/richedit.h"
#include "platform/tcolor.h"
#include "platform/usermessage.h"
#include "platform/windowgeometry.h"

namespace {

const QString kCaption = QStringLiteral("Instructions for Settings utility");
const QString kLabelCaption = QStringLiteral("How to use this program");
constexpr int kLabelPoints = 12;
constexpr QRect kRichRect{0, 24, 305, 73};
// Light grey: red, green and blue each 221.
constexpr TColor kRichColor = 14540253;
constexpr int kStartTop = 105;
constexpr QSize kStartSize{173, 25};
// Space kept below the Start button.
constexpr int kBottomMargin = 8;

}  // namespace

THelpForm::THelpForm(QWidget* owner, const QString& document, QSize screen) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("HelpForm"));
  setWindowTitle(kCaption);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  resize(kNewWindowSize);

  HelpLabel = new QLabel(kLabelCaption, this);
  HelpLabel->setObjectName(QStringLiteral("HelpLabel"));
  HelpLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  HelpLabel->setFont(MakeFont(kVerdanaFace, PointsToHeight(kLabelPoints), true));
  HelpLabel->setGeometry(0, 0, width(), HelpLabel->fontMetrics().height());
  SetAnchors(HelpLabel, akLeft | akTop | akRight);

  HelpRich = new TRichEdit(this);
  HelpRich->setObjectName(QStringLiteral("HelpRich"));
  HelpRich->setGeometry(kRichRect);
  HelpRich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  HelpRich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette pal = HelpRich->palette();
  pal.setColor(QPalette::Base, ToQColor(kRichColor));
  HelpRich->setPalette(pal);
  HelpRich->LoadFromString(document);

  StartButton = new TButton(this);
  StartButton->setObjectName(QStringLiteral("StartButton"));
  StartButton->setGeometry(QRect(QPoint(0, kStartTop), kStartSize));
  StartButton->setDefault(true);
  StartButton->setCancel(true);
  StartButton->setCaption(kStartCaption);
  StartButton->OnClick = TNotifyEvent::Bind(this, &THelpForm::StartButtonClick);
  setTabOrder(StartButton, HelpRich);
  StartButton->setFocus();

  ResizeClient(this, QSize(kRichRect.width(), height()));
  FitClientToControls(this);
  ResizeClient(this, QSize(width(), height() + kBottomMargin));
  SetAnchors(HelpRich, akAll);
  StartButton->move((width() - StartButton->width()) / 2, StartButton->y());
  SetAnchors(StartButton, akBottom);
  ResizeClient(this, ScaledClientSize(size(), screen));
}

void THelpForm::setVisible(bool visible) {
  // The first showing centres the window on the main window; later ones
  // reopen it where it was.
  if (visible && !placed_ && parentWidget()) {
    placed_ = true;
    const QWidget* main = parentWidget()->window();
    QSize outer = frameGeometry().size();
    // Before its first showing a window's frame is not known yet; it gets
    // the one the main window has.
    if (outer == size()) outer += main->frameGeometry().size() - main->size();
    move(CentredTopLeft(main->frameGeometry(), outer));
  }
  QWidget::setVisible(visible);
}

void THelpForm::StartButtonClick(QObject*) {
  hide();
  QWidget* main = parentWidget();
  if (!main) return;
  for (QObject* child : ClientArea(main)->children()) {
    auto* control = qobject_cast<QWidget*>(child);
    if (control && IsClassNameOrDerived(control, kBoardImageClass)) {
      SendMessage(control, WM_OPENFIRSTPOPUP, 0, 0);
      return;
    }
  }
}
