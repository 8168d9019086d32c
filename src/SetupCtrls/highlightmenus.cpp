#include "highlightmenus.h"

#include <QObject>
#include <iterator>

#include "platform/menu.h"

namespace {

// The kind menus in the order they stand in the main menu, all in front of
// the Help menu.
struct TKindMenu {
  THighlightType Kind;
  const char* Caption;
  const char* NamePrefix;
};
constexpr TKindMenu kKindMenus[] = {
    {htSettings, "&Settings", "Settings"},
    {htCalibration, "&Calibration", "Calibration"},
    {htOptions, "&Options", "Options"},
};
constexpr const char* kHelpCaption = "&Help";

// The row of a kind; an unknown value counts as the default kind.
qsizetype KindRow(THighlightType kind) {
  for (qsizetype i = 0; i < qsizetype(std::size(kKindMenus)); ++i)
    if (kKindMenus[i].Kind == kind) return i;
  return 0;
}

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
  return QString::fromLatin1(kKindMenus[KindRow(kind)].Caption);
}

QString KindNamePrefix(THighlightType kind) {
  return QString::fromLatin1(kKindMenus[KindRow(kind)].NamePrefix);
}

QStringList KindFollowers(THighlightType kind) {
  QStringList followers;
  for (qsizetype i = KindRow(kind) + 1; i < qsizetype(std::size(kKindMenus)); ++i)
    followers.append(QString::fromLatin1(kKindMenus[i].Caption));
  followers.append(QString::fromLatin1(kHelpCaption));
  return followers;
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
