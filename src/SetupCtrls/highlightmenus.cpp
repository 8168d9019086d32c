#include "highlightmenus.h"

#include <QObject>

#include "platform/menu.h"

namespace {

const QString kOptionsCaption = QStringLiteral("&Options");
const QString kSettingsCaption = QStringLiteral("&Settings");
const QString kCalibrationCaption = QStringLiteral("&Calibration");
const QString kHelpCaption = QStringLiteral("&Help");

const QString kOptionsPrefix = QStringLiteral("Options");
const QString kSettingsPrefix = QStringLiteral("Settings");
const QString kCalibrationPrefix = QStringLiteral("Calibration");

bool IsIdentStart(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_';
}

bool IsIdentChar(QChar c) {
  const char16_t u = c.unicode();
  return IsIdentStart(c) || (u >= '0' && u <= '9');
}

bool IsIdentifier(const QString& s) {
  if (s.isEmpty() || !IsIdentStart(s.front())) return false;
  for (QChar c : s)
    if (!IsIdentChar(c)) return false;
  return true;
}

QObject* OwnerOf(const TMainMenu* menu) {
  QObject* owner = menu->parent();
  return owner ? owner : const_cast<TMainMenu*>(menu);
}

TMenuItem* MakeItem(QObject* owner, const QString& name, const QString& caption) {
  auto* item = new TMenuItem(owner);
  item->setObjectName(name);
  item->SetCaption(caption);
  return item;
}

}  // namespace

QString PopupCaptionOf(const QString& title) {
  QString caption = title;
  caption.remove(QLatin1Char('&'));
  return caption;
}

QString IdentifierForm(const QString& title) {
  if (title.isEmpty() || IsIdentifier(title)) return title;
  qsizetype start = 0;
  while (start < title.size() && !IsIdentStart(title[start])) ++start;
  QString name;
  for (qsizetype i = start; i < title.size(); ++i)
    if (IsIdentChar(title[i])) name.append(title[i]);
  return name;
}

QString KindCaption(THighlightType kind) {
  switch (kind) {
    case htOptions:
      return kOptionsCaption;
    case htCalibration:
      return kCalibrationCaption;
    case htSettings:
      break;
  }
  return kSettingsCaption;
}

QString KindNamePrefix(THighlightType kind) {
  switch (kind) {
    case htOptions:
      return kOptionsPrefix;
    case htCalibration:
      return kCalibrationPrefix;
    case htSettings:
      break;
  }
  return kSettingsPrefix;
}

QStringList KindFollowers(THighlightType kind) {
  switch (kind) {
    case htOptions:
      return {kHelpCaption};
    case htCalibration:
      return {kOptionsCaption, kHelpCaption};
    case htSettings:
      break;
  }
  return {kCalibrationCaption, kOptionsCaption, kHelpCaption};
}

QString UniqueComponentName(const QObject* owner, const QString& prefix) {
  QStringList taken;
  if (owner)
    for (const QObject* o : owner->findChildren<QObject*>()) taken.append(o->objectName());
  for (int n = 1;; ++n) {
    const QString name = prefix + QString::number(n);
    if (!taken.contains(name, Qt::CaseInsensitive)) return name;
  }
}

TMenuItem* FindMenuEntry(const TMainMenu* menu, THighlightType kind, const QString& title) {
  if (!menu) return nullptr;
  const QString caption = KindCaption(kind);
  for (int i = 0; i < menu->Count(); ++i) {
    const TMenuItem* top = menu->Items(i);
    if (top->Caption() != caption) continue;
    for (int j = 0; j < top->Count(); ++j)
      if (top->Items(j)->Caption() == title) return top->Items(j);
  }
  return nullptr;
}

TMenuItem* BuildMenuEntry(TMainMenu* menu, THighlightType kind, const QString& title,
                          const QString& entryPrefix, const TNotifyEvent& onClick) {
  if (!menu) return nullptr;
  QObject* owner = OwnerOf(menu);
  const QString caption = KindCaption(kind);
  TMenuItem* top = nullptr;
  for (int i = 0; i < menu->Count() && !top; ++i)
    if (menu->Items(i)->Caption() == caption) top = menu->Items(i);
  if (top) {
    for (int j = 0; j < top->Count(); ++j)
      if (top->Items(j)->Caption() == title) return nullptr;
  } else {
    top = MakeItem(owner, UniqueComponentName(owner, KindNamePrefix(kind)), caption);
    const QStringList followers = KindFollowers(kind);
    int at = menu->Count();
    for (int i = 0; i < menu->Count(); ++i)
      if (followers.contains(menu->Items(i)->Caption())) {
        at = i;
        break;
      }
    menu->Insert(at, top);
  }
  if (title.isEmpty()) return nullptr;
  TMenuItem* entry = MakeItem(owner, UniqueComponentName(owner, entryPrefix), title);
  entry->OnClick = onClick;
  top->Add(entry);
  return entry;
}

TMenuItem* TourTarget(const TMainMenu* menu, THighlightType kind, const QString& title, int step) {
  if (!menu) return nullptr;
  const QString caption = KindCaption(kind);
  for (int i = 0; i < menu->Count(); ++i) {
    const TMenuItem* top = menu->Items(i);
    if (top->Caption() != caption) continue;
    const int count = top->Count();
    for (int j = 0; j < count; ++j)
      if (top->Items(j)->Caption() == title) return top->Items(((j + step) % count + count) % count);
  }
  return nullptr;
}
