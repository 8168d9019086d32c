#pragma once
// A three-pin jumper block whose shunt joins the middle pin to the left pin,
// to the right pin, or is absent. A left click moves the shunt on:
// open, left, right, and open again unless AllowOpen is false.
#include <QWidget>

#include "SetupCtrls/jumperpicture.h"
#include "SetupCtrls/orienteddrawing.h"
#include "platform/events.h"

class TThreeJumper : public QWidget {
  Q_OBJECT
  Q_PROPERTY(TJumperState JumperState READ JumperState WRITE setJumperState)
  Q_PROPERTY(TColor BaseColor READ BaseColor WRITE setBaseColor)
  Q_PROPERTY(TColor PinColor READ PinColor WRITE setPinColor)
  Q_PROPERTY(TColor JumperColor READ JumperColor WRITE setJumperColor)
  Q_PROPERTY(TOrientationType Orientation READ Orientation WRITE setOrientation)
  Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
  Q_PROPERTY(bool AllowOpen READ AllowOpen WRITE setAllowOpen)

 public:
  static constexpr int kDefaultWidth = 43;
  static constexpr int kDefaultHeight = 18;

  explicit TThreeJumper(QWidget* owner = nullptr);
  ~TThreeJumper() override;

  TJumperState JumperState() const { return state_; }
  // jsOpen is ignored while AllowOpen is false.
  void setJumperState(TJumperState v);
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
  bool AllowOpen() const { return allowOpen_; }
  // Forbidding the open state closes an open jumper on the left pin first.
  void setAllowOpen(bool v);

  const QImage& ControlImage() const { return drawing_.ControlImage(); }
  const QImage& DrawingImage() const { return drawing_.DrawingImage(); }
  bool SizeSwapPending() const { return drawing_.SizeSwapPending(); }
  bool PaintedOnce() const { return drawing_.PaintedOnce(); }

  // What a left click does: the next state, then OnClick.
  void Click();
  // The state a click leads to.
  static TJumperState NextState(TJumperState state, bool allowOpen);

  TNotifyEvent OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Compose(TCanvas& canvas, int W, int H) const;

  TJumperState state_ = jsOpen;
  TJumperLook look_;
  TOrientedDrawing drawing_;
  bool allowOpen_ = true;
};
