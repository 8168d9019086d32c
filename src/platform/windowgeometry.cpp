#include "windowgeometry.h"

#include <QMainWindow>
#include <QWidget>

QSize OuterSize(const QWidget* control) {
  if (!control) return {};
  const QWidget* window = control->window();
  const bool isClientOfWindow =
      control == window || (qobject_cast<const QMainWindow*>(window) &&
                            static_cast<const QMainWindow*>(window)->centralWidget() == control);
  return isClientOfWindow ? window->frameGeometry().size() : control->size();
}

QWidget* ClientArea(QWidget* window) {
  if (auto* main = qobject_cast<QMainWindow*>(window); main && main->centralWidget())
    return main->centralWidget();
  return window;
}
