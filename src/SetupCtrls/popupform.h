#pragma once
// The popup window of a linked group of highlights: the group's option
// panel, moved in for good at the first showing, its explanatory text, the
// Previous, Next and Done buttons and an empty status bar. It floats above
// the program's other windows and is hidden, never freed, when it closes.
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include "platform/events.h"

class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class TBoardHighlight;
class TRadioPanel;

// Where the children of a popup go in a client area of cw x ch pixels with a
// text box of memoHeight pixels.
struct TPopupLayout {
  QRect Status, Previous, Next, Done, Memo;
};
TPopupLayout PopupLayout(int cw, int ch, int memoHeight);

// The popup's outer top left (screen coordinates). `parentPos` and
// `parentHeight` are the highlight's parent's place and height; on a board
// image `designed` is its place at its first paint. A popup with a panel goes
// where the board description put the panel (`panelPos`, main-window client
// coordinates), moved as far as the image has moved since; one without goes
// 38 pixels below the parent's bottom edge.
QPoint PopupPlace(QPoint parentPos, int parentHeight, bool onBoardImage, QPoint designed, bool hasPanel,
                  QPoint panelPos);

// A window's left (or top) moved so that `length` pixels from it lie on a
// screen `screenLength` long: a negative start goes to 0, else an end past
// the screen's edge goes back onto it.
int KeepOnScreen(int start, int length, int screenLength);

class TPopupForm : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kMinOuterWidth = 194;
  static constexpr int kMinOuterHeight = 122;
  // Without a panel: the text box height, and the window's outer size.
  static constexpr int kBareMemoHeight = 58;
  static constexpr int kBareWidth = 194;
  static constexpr int kStatusHeight = 19;
  // Client height besides the panel and the text box: the line under the
  // panel, the gap, the buttons and the status bar.
  static constexpr int kFrameRows = 1 + 6 + 25 + kStatusHeight;
  static constexpr int kBareHeight = kBareMemoHeight + 64 + kStatusHeight;
  // Without a panel the window sits this far below its board image.
  static constexpr int kBareGap = 38;

  explicit TPopupForm(TBoardHighlight* owner);
  ~TPopupForm() override;

  QStatusBar* PopupStatus = nullptr;
  QPushButton* PreviousButton = nullptr;
  QPushButton* NextButton = nullptr;
  QPushButton* DoneButton = nullptr;
  QPlainTextEdit* StatusMemo = nullptr;

  TBoardHighlight* OwnerHighlight = nullptr;
  // Close when the pointer leaves the window; set when it moved from the
  // highlight into the window, cleared when the window closes.
  bool CloseOnLeave = false;

  QString Caption() const { return windowTitle(); }
  // The ordinal of the owning highlight's kind.
  int Tag() const { return tag_; }
  // The outer size, frame included.
  QSize OuterSize() const;
  // The panel moved in at the first showing, or null.
  TRadioPanel* Panel() const { return panel_; }

  // Builds the window for `panel` (which may be null): the panel taken over,
  // the size, the constraints, the place and the children.
  void Build(TRadioPanel* panel, const QString& caption, int tag);
  // Shows the window and makes it the active one.
  void ShowActive();
  // The first showing: also gives the keyboard focus to the panel, or to
  // Done when there is none.
  void ShowFirst();

  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnClose;

 protected:
  bool event(QEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QSize FrameSize() const;
  void SetOuterSize(QSize size);
  QPushButton* MakeButton(const char* name, const QString& text, const QRect& place, unsigned anchors);

  int tag_ = 0;
  TRadioPanel* panel_ = nullptr;
};
