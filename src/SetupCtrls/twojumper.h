#pragma once
// A two-pin jumper block: bare pins (open) or covered by its shunt (closed).
// A left click inverts it; on a radio panel with RadioEnabled it becomes the
// panel's only installed jumper.
#include <QWidget>

#include "SetupCtrls/jumperpicture.h"
#include "SetupCtrls/orienteddrawing.h"
#include "platform/events.h"

class TTwoJumper : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool Closed READ Closed WRITE setClosed)
  Q_PROPERTY(TColor BaseColor READ BaseColor WRITE setBaseColor)
  Q_PROPERTY(TColor PinColor READ PinColor WRITE setPinColor)
  Q_PROPERTY(TColor JumperColor READ JumperColor WRITE setJumperColor)
  Q_PROPERTY(TOrientationType Orientation READ Orientation WRITE setOrientation)
  Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)

 public:
  static constexpr int kDefaultWidth = 34;
  static constexpr int kDefaultHeight = 18;

  explicit TTwoJumper(QWidget* owner = nullptr);
  ~TTwoJumper() override;

  bool Closed() const { return closed_; }
  void setClosed(bool v);
  TColor BaseColor() const { return look_.BaseColor; }
  void setBaseColor(TColor v);
  TColor PinColor() const { return look_.PinColor; }
  void setPinColor(TColor v);
  TColor JumperColor() const { return look_.JumperColor; }
  void setJumperColor(TColor v);
  TOrientationType Orientation() const { return drawing_.Orientation(); }
  void setOrientation(TOrientationType v);
  TBorderStyle BorderStyle() const { return look_.BorderStyle; }
  void setBorderStyle(TBorderStyle v);

  const QImage& ControlImage() const { return drawing_.ControlImage(); }
  const QImage& DrawingImage() const { return drawing_.DrawingImage(); }
  bool SizeSwapPending() const { return drawing_.SizeSwapPending(); }
  bool PaintedOnce() const { return drawing_.PaintedOnce(); }

  // What a left click does: invert, let a radio panel select, OnClick.
  void Click();

  // Raised after every click, once the state has changed.
  TNotifyEvent OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Compose(TCanvas& canvas, int W, int H) const;

  bool closed_ = false;
  TJumperLook look_;
  TOrientedDrawing drawing_;
};
