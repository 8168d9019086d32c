#include "menu.h"

#include <QMenu>
#include <QSignalBlocker>
#include <algorithm>

namespace {

QList<TMenuItem*> ItemsOf(const QWidget* host) {
  QList<TMenuItem*> items;
  if (!host) return items;
  for (QAction* a : host->actions())
    if (auto* item = qobject_cast<TMenuItem*>(a)) items.append(item);
  return items;
}

void InsertInto(QWidget* host, int index, TMenuItem* item) {
  const QList<TMenuItem*> items = ItemsOf(host);
  index = std::clamp(index, 0, int(items.size()));
  host->insertAction(index < items.size() ? items[index] : nullptr, item);
}

// A top-level item of a menu bar always shows as a menu.
QMenu* EnsureSubmenu(TMenuItem* item, QMenu*& submenu) {
  if (!submenu) {
    submenu = new QMenu(item->text());
    item->setMenu(submenu);
    QObject::connect(item, &QAction::changed, submenu, [item, submenu] { submenu->setTitle(item->text()); });
    QObject::connect(item, &QObject::destroyed, submenu, &QObject::deleteLater);
  }
  return submenu;
}

}  // namespace

TMenuItem::TMenuItem(QObject* owner) : QAction(owner) {
  // A click does not toggle the check mark by itself; OnClick decides.
  connect(this, &QAction::triggered, this, [this](bool checked) {
    if (isCheckable()) {
      const QSignalBlocker quiet(this);
      setChecked(!checked);
    }
    if (OnClick) OnClick(this);
  });
}

void TMenuItem::SetChecked(bool checked) {
  if (checked) setCheckable(true);
  setChecked(checked);
}

int TMenuItem::Count() const {
  return int(ItemsOf(submenu_).size());
}

TMenuItem* TMenuItem::Items(int index) const {
  const QList<TMenuItem*> items = ItemsOf(submenu_);
  return index >= 0 && index < items.size() ? items[index] : nullptr;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  return int(ItemsOf(submenu_).indexOf(const_cast<TMenuItem*>(item)));
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  InsertInto(EnsureSubmenu(this, submenu_), index, item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  if (submenu_ && item->parent_ == this) {
    submenu_->removeAction(item);
    item->parent_ = nullptr;
  }
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

TMainMenu::TMainMenu(QWidget* parent) : QMenuBar(parent) {}

int TMainMenu::Count() const {
  return int(ItemsOf(this).size());
}

TMenuItem* TMainMenu::Items(int index) const {
  const QList<TMenuItem*> items = ItemsOf(this);
  return index >= 0 && index < items.size() ? items[index] : nullptr;
}

int TMainMenu::IndexOf(const TMenuItem* item) const {
  return int(ItemsOf(this).indexOf(const_cast<TMenuItem*>(item)));
}

void TMainMenu::Insert(int index, TMenuItem* item) {
  EnsureSubmenu(item, item->submenu_);
  InsertInto(this, index, item);
}
