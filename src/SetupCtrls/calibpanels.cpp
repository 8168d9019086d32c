#include "calibpanels.h"

#include <QWidget>

#include "platform/button.h"
#include "platform/listbox.h"

namespace {

const QString kChannelPrefix = QStringLiteral("Channel ");

}  // namespace

TCalibPanel& TCalibPanels::Register(std::uint8_t panelId, TListBox* listBox, TButton* button,
                                    QWidget* errorLabel) {
  for (TCalibPanel& panel : panels_)
    if (panel.PanelId == panelId) return panel;
  panels_.push_back({listBox, button, errorLabel, panelId});
  return panels_.back();
}

void TCalibPanels::SetButtons(const TNotifyEvent& handler, const QString& caption) const {
  for (const TCalibPanel& panel : panels_) {
    if (!panel.Button) continue;
    panel.Button->OnClick = handler;
    panel.Button->setCaption(caption);
  }
}

void TCalibPanels::ShowErrorLabels() const {
  for (const TCalibPanel& panel : panels_)
    if (panel.ErrorLabel) panel.ErrorLabel->show();
}

void TCalibPanels::HideErrorLabels() const {
  for (const TCalibPanel& panel : panels_)
    if (panel.ErrorLabel) panel.ErrorLabel->hide();
}

QString TCalibPanels::ChannelLine(int channel, const QString& text) {
  return kChannelPrefix + QString::number(channel) + QLatin1Char('\t') + text;
}

void TCalibPanels::PutChannelLine(int channel, const QString& text) const {
  const QString line = ChannelLine(channel, text);
  for (const TCalibPanel& panel : panels_) {
    TListBox* list = panel.ListBox;
    if (!list) continue;
    if (channel < list->Count()) {
      list->SetLine(channel, line);
      continue;
    }
    // A list with fewer lines (emptied, or registered for fewer channels)
    // gets empty lines up to the channel's.
    while (list->Count() < channel) list->AddLine(QString());
    list->AddLine(line);
  }
}
