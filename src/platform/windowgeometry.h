#pragma once
// Sizes in the toolkit's sense: a window's Width and Height are its outer
// size, frame, caption and menu bar included; its children are placed in its
// client area.
#include <QSize>

class QWidget;

// The outer size of a control's parent as the components see it: for a
// top-level window, or the client area of one, the window's full size.
QSize OuterSize(const QWidget* control);

// The widget that holds a window's children: a main window's central widget,
// or the window itself.
QWidget* ClientArea(QWidget* window);
