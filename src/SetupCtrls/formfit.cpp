#include "formfit.h"

#include <QRect>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "platform/anchors.h"
#include "platform/rounding.h"

namespace {

constexpr double kDesignScreenWidth = 800.0;
constexpr double kDesignScreenHeight = 450.0;

std::vector<QWidget*> Controls(QWidget* window) {
  std::vector<QWidget*> controls;
  for (QObject* child : window->children())
    if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow()) controls.push_back(w);
  return controls;
}

}  // namespace

void FitClientToControls(QWidget* window) {
  QRect united;
  for (QWidget* control : Controls(window))
    if (!control->isHidden())
      united = united.isNull() ? control->geometry() : united.united(control->geometry());
  if (united.isNull()) return;
  const QPoint shift = -united.topLeft();
  if (!shift.isNull())
    for (QWidget* control : Controls(window))
      if (!control->isHidden()) control->move(control->pos() + shift);
  ResizeClient(window, united.size());
}

void ResizeClient(QWidget* window, QSize client) {
  if (window->isVisible()) {
    // A shown window's controls follow their anchors by themselves.
    window->resize(client);
    return;
  }
  const QSize before = window->size();
  for (QWidget* control : Controls(window)) {
    const TAnchors anchors = Anchors(control);
    control->setGeometry(AnchoredGeometry(anchors, control->geometry(), before, client));
  }
  window->resize(client);
  // The new places are where the anchors count from.
  for (QWidget* control : Controls(window))
    if (Anchors(control) != akLeftTop) SetAnchors(control, Anchors(control));
}

double ScreenScale(QSize screen) {
  const double s = std::min(screen.height() / kDesignScreenHeight, screen.width() / kDesignScreenWidth);
  return s < 1.0 ? 1.0 : s;
}

QSize ScaledClientSize(QSize client, QSize screen) {
  const double s = ScreenScale(screen);
  return QSize(int(RoundHalfEven(client.width() * s)), int(RoundHalfEven(client.height() * s)));
}

QPoint CentredTopLeft(const QRect& on, QSize size) {
  return QPoint(on.left() + (on.width() - size.width()) / 2, on.top() + (on.height() - size.height()) / 2);
}
