#pragma once
// Layout steps shared by the supporter's windows, which are built in code
// while still hidden.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// Moves the union of the window's shown controls to the client area's
// top-left corner and gives the client area the union's size.
void FitClientToControls(QWidget* window);

// Resizes a window's client area, moving and sizing its anchored controls as
// their anchors say, also while the window is hidden.
void ResizeClient(QWidget* window, QSize client);

// The instructions window's scale for a screen: the smaller of
// height / 450 and width / 800, never below 1.
double ScreenScale(QSize screen);

// A client size multiplied by the screen's scale, width and height each
// rounded to the nearest (halves to even).
QSize ScaledClientSize(QSize client, QSize screen);

// The top-left corner that centres a window's outer rectangle of `size` on
// the outer rectangle `on`, offsets halved truncating toward zero.
QPoint CentredTopLeft(const QRect& on, QSize size);

// A font height in the toolkit's sense (negative: character height in
// pixels) for a size in points at the design's 96 pixels per inch.
constexpr int PointsToHeight(int points) {
  return -((points * 96 + 36) / 72);
}

// The faces the supporter's windows ask for.
inline const QString kTahomaFace = QStringLiteral("Tahoma");
inline const QString kVerdanaFace = QStringLiteral("Verdana");

// The outer size every window built in code starts with.
constexpr QSize kNewWindowSize{320, 240};
