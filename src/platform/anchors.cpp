#include "anchors.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

// MulDiv as the toolkit does it: a * b / c rounded to the nearest.
int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const long long p = static_cast<long long>(a) * b;
  const long long half = (c > 0 ? c : -c) / 2;
  return int((p >= 0 ? p + half : p - half) / c);
}

void Axis(bool nearEdge, bool farEdge, int origPos, int origLen, int origParent, int parent, int& pos,
          int& len) {
  pos = origPos;
  len = origLen;
  const int delta = parent - origParent;
  if (nearEdge && farEdge) {
    len = origLen + delta;
  } else if (farEdge) {
    pos = origPos + delta;
  } else if (!nearEdge) {
    pos = MulDiv(origPos + origLen / 2, parent, origParent) - origLen / 2;
  }
}

// Follows the parent's size: at each change, every anchored edge keeps its
// distance. The control's own moves need no tracking, since only the change
// of the parent's size is applied to wherever the control is then.
class TAnchorRule : public QObject {
 public:
  TAnchorRule(QWidget* control, TAnchors anchors) : QObject(control), anchors_(anchors), control_(control) {
    setObjectName(QStringLiteral("__anchors"));
    control->installEventFilter(this);
    Attach();
  }

  TAnchors anchors_;

  void Reset(TAnchors anchors) {
    anchors_ = anchors;
    if (parent_) parentSize_ = parent_->size();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == control_ && event->type() == QEvent::ParentChange) Attach();
    if (watched == parent_ && event->type() == QEvent::Resize) Apply();
    return false;
  }

 private:
  void Attach() {
    if (parent_) parent_->removeEventFilter(this);
    parent_ = control_->parentWidget();
    if (parent_) {
      parent_->installEventFilter(this);
      parentSize_ = parent_->size();
    }
  }

  void Apply() {
    const QSize now = parent_->size();
    if (now == parentSize_) return;
    if (!parentSize_.isEmpty())
      control_->setGeometry(AnchoredGeometry(anchors_, control_->geometry(), parentSize_, now));
    parentSize_ = now;
  }

  QWidget* control_;
  QPointer<QWidget> parent_;
  QSize parentSize_;
};

TAnchorRule* RuleOf(const QWidget* control) {
  return static_cast<TAnchorRule*>(
      control->findChild<QObject*>(QStringLiteral("__anchors"), Qt::FindDirectChildrenOnly));
}

}  // namespace

QRect AnchoredGeometry(TAnchors anchors, const QRect& origin, const QSize& originParent,
                       const QSize& parent) {
  int x, w, y, h;
  Axis(anchors & akLeft, anchors & akRight, origin.x(), origin.width(), originParent.width(), parent.width(),
       x, w);
  Axis(anchors & akTop, anchors & akBottom, origin.y(), origin.height(), originParent.height(),
       parent.height(), y, h);
  return QRect(x, y, w < 0 ? 0 : w, h < 0 ? 0 : h);
}

void SetAnchors(QWidget* control, TAnchors anchors) {
  if (TAnchorRule* rule = RuleOf(control))
    rule->Reset(anchors);
  else
    new TAnchorRule(control, anchors);
}

TAnchors Anchors(const QWidget* control) {
  const TAnchorRule* rule = RuleOf(control);
  return rule ? rule->anchors_ : akLeftTop;
}
