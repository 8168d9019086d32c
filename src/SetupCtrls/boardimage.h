#pragma once
// The photograph of the card. The highlight circles are its children, placed
// in its own pixels. At every paint it centres itself on its parent window
// (its outer size, frame and menu bar included), and already when that
// window is shown, resized or framed; before the first centring it records
// the place the board description gave it, from which the popup windows
// find the option panels' designed places. WM_OPENFIRSTPOPUP opens and pins
// the popup of the First highlight.
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include "SetupCtrls/boardhighlight.h"
#include "platform/events.h"
#include "platform/menu.h"
#include "platform/picture.h"

class QPainter;

class TBoardImage : public QWidget {
  Q_OBJECT
  Q_PROPERTY(TPicture* Picture READ Picture WRITE setPicture)
  Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
  Q_PROPERTY(bool Center READ Center WRITE setCenter)
  Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
  Q_PROPERTY(bool Scale READ Scale WRITE setScale)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
  Q_PROPERTY(bool CenterOnForm READ CenterOnForm WRITE setCenterOnForm)
  Q_PROPERTY(TBoardHighlight* First READ First WRITE setFirst)
  Q_PROPERTY(TMainMenu* Menu READ Menu WRITE setMenu)

 public:
  static constexpr int kDefaultWidth = 105;
  static constexpr int kDefaultHeight = 105;

  explicit TBoardImage(QWidget* parent = nullptr);
  ~TBoardImage() override;

  // The image owns its picture; assigning copies the given picture's content.
  TPicture* Picture() const { return picture_; }
  void setPicture(TPicture* v);
  bool Stretch() const { return stretch_; }
  void setStretch(bool v);
  bool Center() const { return center_; }
  void setCenter(bool v);
  bool Transparent() const { return transparent_; }
  void setTransparent(bool v);
  bool Scale() const { return scale_; }
  void setScale(bool v);
  bool AutoSize() const { return autoSize_; }
  void setAutoSize(bool v);
  bool CenterOnForm() const { return centerOnForm_; }
  void setCenterOnForm(bool v);
  TBoardHighlight* First() const { return first_; }
  void setFirst(TBoardHighlight* v);
  TMainMenu* Menu() const { return menu_; }
  void setMenu(TMainMenu* v);

  // Picture height / width; 1.0 until a picture with a size is loaded.
  double AspectRatio() const { return aspectRatio_; }
  bool PositionSaved() const { return positionSaved_; }
  // Left and Top when the image was first shown or painted, before any
  // centring: the place the board description gave it.
  int DesignedLeft() const { return designedLeft_; }
  int DesignedTop() const { return designedTop_; }
  bool Drawing() const { return drawing_; }
  // True while the picture covers the whole control, so that no background
  // is erased before a paint.
  bool Covering() const;

  // Where the picture goes inside the control.
  QRect PictureRect() const;
  // The size the toolkit may give the control while AutoSize is on: with no
  // alignment to a parent edge, the picture's size whatever was proposed.
  QSize AutoSizeFor(const QSize& proposed) const;
  // Draws what the image itself shows in `area` (its background where the
  // picture does not cover, then the picture) with the painter's origin at
  // the control's top left; used by the paint and by the highlights, which
  // render their looks from it.
  void DrawContent(QPainter& painter, const QRect& area) const;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void PictureChanged(QObject* Sender);
  // Takes the designed position at the first call, then centres the image
  // on its parent; true when it moved.
  bool Place();
  void Watch();

  TPicture* picture_ = nullptr;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
  bool scale_ = true;
  bool autoSize_ = true;
  bool centerOnForm_ = true;
  QPointer<TBoardHighlight> first_;
  QPointer<TMainMenu> menu_;
  QList<QPointer<QObject>> watched_;

  double aspectRatio_ = 1.0;
  bool positionSaved_ = false;
  int designedLeft_ = 0;
  int designedTop_ = 0;
  bool drawing_ = false;
};

// The picture's place in a control of size `control`: the whole control when
// stretched, centred at its natural size with `center`, else at the top left.
QRect PictureRectFor(const QSize& control, const QSize& picture, bool stretch, bool center);

// The left (or top) that centres a control of length `length` on a parent of
// outer length `parentLength`.
constexpr int CentredOffset(int parentLength, int length) {
  return (parentLength - length) / 2;
}
