#pragma once
// An option panel: the labels, combo boxes and drawings of one setting of the
// card. It waits hidden on the main window until its popup takes it over;
// the popup then shows its explanatory Lines in a text box MemoHeight pixels
// high and gives the panel its FinalAnchors. With RadioEnabled, a click on a
// two-pin jumper placed directly on the panel makes that jumper the only one
// installed.
#include <QFrame>
#include <QStringList>

#include "SetupCtrls/setupctrls.h"
#include "platform/anchors.h"
#include "platform/events.h"
#include "platform/tcolor.h"

using TRadioPanelChangeEvent = TEvent<void(QObject* Sender)>;

class TRadioPanel : public QFrame {
  Q_OBJECT
  Q_PROPERTY(bool RadioEnabled READ RadioEnabled WRITE setRadioEnabled)
  Q_PROPERTY(QStringList Lines READ Lines WRITE setLines)
  Q_PROPERTY(int MemoHeight READ MemoHeight WRITE setMemoHeight)
  Q_PROPERTY(unsigned FinalAnchors READ FinalAnchors WRITE setFinalAnchors)
  Q_PROPERTY(TColor Color READ Color WRITE setColor)
  Q_PROPERTY(TBevelCut BevelOuter READ BevelOuter WRITE setBevelOuter)
  Q_PROPERTY(TBevelCut BevelInner READ BevelInner WRITE setBevelInner)
  Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
  Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
  Q_PROPERTY(bool FullRepaint READ FullRepaint WRITE setFullRepaint)
  Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)
  Q_PROPERTY(bool InPopup READ InPopup WRITE setInPopup)

 public:
  static constexpr int kDefaultWidth = 194;
  static constexpr int kDefaultHeight = 100;
  static constexpr int kDefaultMemoHeight = 58;

  explicit TRadioPanel(QWidget* owner = nullptr);
  ~TRadioPanel() override;

  bool RadioEnabled() const { return radioEnabled_; }
  void setRadioEnabled(bool v);
  // The panel keeps its own copy of the lines.
  QStringList Lines() const { return lines_; }
  void setLines(const QStringList& v);
  int MemoHeight() const { return memoHeight_; }
  void setMemoHeight(int v);
  // Stored always; applied at once only while the panel sits in its popup.
  TAnchors FinalAnchors() const { return finalAnchors_; }
  void setFinalAnchors(TAnchors v);
  TColor Color() const { return color_; }
  void setColor(TColor v);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void setBevelOuter(TBevelCut v);
  TBevelCut BevelInner() const { return bevelInner_; }
  void setBevelInner(TBevelCut v);
  int BevelWidth() const { return bevelWidth_; }
  void setBevelWidth(int v);
  int BorderWidth() const { return borderWidth_; }
  void setBorderWidth(int v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void setBorderStyle(TBorderStyle v);
  bool FullRepaint() const { return fullRepaint_; }
  void setFullRepaint(bool v);
  bool TabStop() const { return tabStop_; }
  void setTabStop(bool v);
  // Set by the popup window once it has taken the panel over.
  bool InPopup() const { return inPopup_; }
  void setInPopup(bool v);

  // Closes `control` if it is one of the panel's own two-pin jumpers and
  // opens every other one; raises OnRadioChange (Sender = control) when any
  // of them changed. `control` need not be a child of the panel.
  Q_INVOKABLE void SelectJumper(QObject* control);

  TRadioPanelChangeEvent OnRadioChange;
  // Adopted by the popup window as its activated and deactivated events.
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  // The focus moved into the panel (onto it or one of its controls) from
  // another control of the same window, or left it again.
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FocusMoved(QWidget* old, QWidget* now);
  bool Contains(const QWidget* w) const;

  bool radioEnabled_ = false;
  QStringList lines_;
  int memoHeight_ = kDefaultMemoHeight;
  TAnchors finalAnchors_ = akLeftTop;
  TColor color_ = clBtnFace;
  TBevelCut bevelOuter_ = bvNone;
  TBevelCut bevelInner_ = bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TBorderStyle borderStyle_ = bsNone;
  bool fullRepaint_ = true;
  bool tabStop_ = false;
  bool inPopup_ = false;
  bool focusInside_ = false;
};
