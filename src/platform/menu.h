#pragma once
// Menu items as the components use them: created, named, inserted at a
// position, checked and clicked at run time. A top-level item of a main menu,
// or any item that holds items, opens a submenu.
#include <QAction>
#include <QMenuBar>

#include "events.h"

class QMenu;

class TMenuItem : public QAction {
  Q_OBJECT
 public:
  explicit TMenuItem(QObject* owner = nullptr);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  bool Checked() const { return isChecked(); }
  // A checked item shows its check mark; the item becomes checkable.
  void SetChecked(bool checked);

  int Count() const;
  TMenuItem* Items(int index) const;
  int IndexOf(const TMenuItem* item) const;
  // Inserts at index (clamped to 0..Count()); the item's owner is unchanged.
  void Insert(int index, TMenuItem* item);
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Remove(TMenuItem* item);
  TMenuItem* Parent() const { return parent_; }

  // Raised when the user chooses the item (or Click() is called).
  TNotifyEvent OnClick;
  void Click();

  // The submenu that shows this item's items; created when the first item
  // goes in.
  QMenu* Submenu() const { return submenu_; }

 private:
  friend class TMainMenu;
  QMenu* submenu_ = nullptr;
  TMenuItem* parent_ = nullptr;
};

class TMainMenu : public QMenuBar {
  Q_OBJECT
 public:
  explicit TMainMenu(QWidget* parent = nullptr);

  int Count() const;
  TMenuItem* Items(int index) const;
  int IndexOf(const TMenuItem* item) const;
  void Insert(int index, TMenuItem* item);
  void Add(TMenuItem* item) { Insert(Count(), item); }
};
