#pragma once
// A highlight circle: a soft coloured ring over one spot of the card
// photograph. Pointing at it lights it and every circle of its linked group
// (same Title and HighlightType on the same board image) and shows the
// group's popup with the option panel; leaving closes an unpinned popup
// unless the pointer went into it; a click pins it. Each group has one entry
// in its kind's menu of the board image's main menu, and the popup's
// Previous and Next step through those entries.
#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "SetupCtrls/highlightblend.h"
#include "SetupCtrls/popupform.h"
#include "SetupCtrls/radiopanel.h"
#include "SetupCtrls/setupctrls.h"
#include "platform/events.h"
#include "platform/menu.h"
#include "platform/tcolor.h"

class TBoardHighlight : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Title READ Title WRITE setTitle)
  Q_PROPERTY(THighlightType HighlightType READ HighlightType WRITE setHighlightType)
  Q_PROPERTY(TRadioPanel* RadioPanel READ RadioPanel WRITE setRadioPanel)
  Q_PROPERTY(bool CreatePopup READ CreatePopup WRITE setCreatePopup)

 public:
  static constexpr int kDefaultSize = 65;

  explicit TBoardHighlight(QWidget* parent = nullptr);
  ~TBoardHighlight() override;

  QString Title() const { return title_; }
  void setTitle(const QString& v);
  THighlightType HighlightType() const { return highlightType_; }
  void setHighlightType(THighlightType v);
  // A panel is shared only within one linked group: an assignment of a
  // panel that a highlight of another group already has is refused.
  TRadioPanel* RadioPanel() const { return radioPanel_; }
  void setRadioPanel(TRadioPanel* v);
  bool CreatePopup() const { return createPopup_; }
  void setCreatePopup(bool v);

  TColor HighlightColour() const { return look_.Colour; }
  float NormalAlpha() const { return look_.NormalAlpha; }
  float LitAlpha() const { return look_.LitAlpha; }
  float HotAlpha() const { return look_.HotAlpha; }
  const QImage& NormalImage() const { return normalImage_; }
  const QImage& LitImage() const { return litImage_; }
  const QImage& HotImage() const { return hotImage_; }
  // The look a paint shows now: hot while lit with its popup active, lit
  // while either, else normal.
  const QImage& CurrentImage() const;

  bool Lit() const { return lit_; }
  bool Pinned() const { return pinned_; }
  bool PopupActive() const { return popupActive_; }
  bool PaintedOnce() const { return paintedOnce_; }
  TPopupForm* Popup() const { return popup_; }
  QString PopupCaption() const { return popupCaption_; }
  QString MenuName() const { return menuName_; }
  TMainMenu* BoardMenu() const { return boardMenu_; }

  // Every highlight of the parent with this one's Title and HighlightType,
  // this one included, in the parent's child order.
  QList<TBoardHighlight*> LinkedGroup() const;

  // Pointer notifications; p is 1 when a linked highlight passes one on.
  void MouseEnter(int p);
  void MouseLeave(int p);
  // The click: OnClick, then Pin.
  void Click();
  void Pin();
  void Unlight();
  void SetActive(bool active, bool propagate);

  // Shows the group's popup, building it at its first showing.
  void ShowPopup();
  // Close handling of the popup window.
  void PopupClose(QObject* Sender);

  // Renders the three looks from what lies beneath the highlight: the board
  // image's picture and the current looks of earlier highlights over it.
  void Render();
  // The first-paint work without a paint: the looks and the menu entry.
  void EnsurePainted();

  void BuildMenuEntries();
  void CheckMenuEntry(bool value);
  void MenuEntryClick(QObject* Sender);
  void PreviousClick(QObject* Sender);
  void NextClick(QObject* Sender);
  void DoneClick(QObject* Sender);

  TNotifyEvent OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool OnBoardImage() const;
  // Whether `h` has this highlight's Title and HighlightType.
  bool InGroupOf(const TBoardHighlight* h) const;
  QImage Beneath() const;
  void Step(int direction);

  QString title_;
  THighlightType highlightType_ = htOptions;
  QPointer<TRadioPanel> radioPanel_;
  bool createPopup_ = true;

  THighlightKindLook look_{};
  QImage normalImage_, litImage_, hotImage_;
  bool lit_ = false;
  bool pinned_ = false;
  bool popupActive_ = false;
  bool paintedOnce_ = false;
  bool pressed_ = false;
  TPopupForm* popup_ = nullptr;
  QString popupCaption_;
  QString menuName_;
  QPointer<TMainMenu> boardMenu_;
};
