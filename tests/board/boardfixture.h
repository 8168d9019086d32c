#pragma once
// A small board for the board-area suites: a main window with a File and a
// Help menu, a uniform grey photograph and six highlights, two of them a
// linked pair and one without a title, with option panels of known sizes.
//
//   child order  name              kind           title                panel
//   0            BaseHighlight     settings       "&Base Address"      BasePanel 188 x 72 at (461, -26)
//   1            ADHighlight1      settings       "A/D &Range"         ADPanel 229 x 118 at (244, 87)
//   2            BlankHighlight    options        ""                   none
//   3            ADHighlight2      settings       "A/D &Range"         ADPanel (shared)
//   4            OffsetHighlight   calibration    "Calibrate &Offset"  OffsetPanel 449 x 129 at (56, 8)
//   5            GainHighlight     calibration    "Calibrate &Gain"    none
#include <QMainWindow>
#include <QPoint>

#include "SetupCtrls/boardhighlight.h"
#include "SetupCtrls/boardimage.h"
#include "SetupCtrls/radiopanel.h"
#include "platform/menu.h"

struct TBoardFixture {
  static constexpr int kGrey = 100;
  static constexpr QPoint kDesigned{118, 114};
  static constexpr int kBoardWidth = 600;
  static constexpr int kBoardHeight = 343;
  static constexpr int kClientWidth = 823;
  static constexpr int kClientHeight = 580;

  TBoardFixture();
  ~TBoardFixture();

  // Paints the board image and its highlights once, as the first paint at
  // start-up does.
  void PaintBoard();
  // Shows the main window and lets the window system settle.
  void ShowWindow();

  TBoardHighlight* Highlight(const char* name) const;
  TRadioPanel* Panel(const char* name) const;
  TMenuItem* Item(const char* name) const;
  // The top-level captions of the main menu, in order.
  QStringList MenuCaptions() const;
  // The captions of the entries under a top-level item.
  QStringList EntryCaptions(const QString& topCaption) const;
  TMenuItem* Entry(const QString& title) const;

  QMainWindow* Window = nullptr;
  QWidget* Client = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TBoardImage* BoardImage1 = nullptr;
};

// Lets queued window-system events (showing, activation, pointer) arrive.
void Settle();
// Moves the pointer to a screen position.
void MovePointer(QPoint screen);
