#pragma once
// The calibration panels registered with the setup supporter: each one's
// readout list, Start/Stop button and error label, held by reference (the
// supporter owns none of them), in order of first registration.
#include <QPointer>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/events.h"

class QWidget;
class TButton;
class TListBox;

struct TCalibPanel {
  QPointer<TListBox> ListBox;
  QPointer<TButton> Button;
  QPointer<QWidget> ErrorLabel;
  std::uint8_t PanelId = 0;
};

class TCalibPanels {
 public:
  // The record of the panel with this number; a new one holding the three
  // controls when there is none. An existing record keeps the controls of
  // its first registration.
  TCalibPanel& Register(std::uint8_t panelId, TListBox* listBox, TButton* button, QWidget* errorLabel);

  // Gives every registered button the handler and the caption.
  void SetButtons(const TNotifyEvent& handler, const QString& caption) const;
  void ShowErrorLabels() const;
  void HideErrorLabels() const;
  // Puts "Channel <n>", a tab and the text into line n of every list.
  void PutChannelLine(int channel, const QString& text) const;

  const std::vector<TCalibPanel>& Records() const { return panels_; }

  // The list line of one channel's reading.
  static QString ChannelLine(int channel, const QString& text);

 private:
  std::vector<TCalibPanel> panels_;
};
