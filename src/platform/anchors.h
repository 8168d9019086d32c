#pragma once
// Anchors as the components know them: a control keeps its distance to each
// anchored edge of its parent when the parent is resized. Anchored to both
// opposite edges it stretches; anchored to neither it keeps its centre at the
// same fraction of the parent's size.
#include <QRect>
#include <QSize>

class QWidget;

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
constexpr TAnchors akLeftTop = akLeft | akTop;
constexpr TAnchors akAll = akLeft | akTop | akRight | akBottom;

// Where a control of geometry `origin` in a parent of size `originParent`
// goes when the parent becomes `parent`.
QRect AnchoredGeometry(TAnchors anchors, const QRect& origin, const QSize& originParent, const QSize& parent);

// Sets the control's anchors. From then on every change of the parent's size
// is applied to the control's place at that moment; a parent resized while
// hidden passes the change on when it is shown.
void SetAnchors(QWidget* control, TAnchors anchors);
TAnchors Anchors(const QWidget* control);
