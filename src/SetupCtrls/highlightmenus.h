#pragma once
// The highlight menus: one top-level item per kind of highlight ("&Settings",
// "&Calibration", "&Options", in front of "&Help") with one entry per linked
// group, captioned with the group's title. Entries are found by caption; the
// order of a kind's entries is the order of the guided tour.
#include <QString>
#include <QStringList>

#include "SetupCtrls/setupctrls.h"
#include "platform/events.h"

class QObject;
class TMainMenu;
class TMenuItem;

// The popup caption of a title: the title without its & characters.
QString PopupCaptionOf(const QString& title);
// The identifier form of a title, used to name its menu entry: unchanged
// when it is an identifier or empty; else without the leading characters
// that cannot start an identifier and without every later character that
// cannot continue one (only ASCII letters, digits and _ count).
QString IdentifierForm(const QString& title);

QString KindCaption(THighlightType kind);
QString KindNamePrefix(THighlightType kind);
// The captions before the first of which a new kind item is inserted.
QStringList KindFollowers(THighlightType kind);

// `prefix` followed by the smallest number from 1 that no object owned by
// `owner` (at any depth) has as its name, compared ignoring case.
QString UniqueComponentName(const QObject* owner, const QString& prefix);

// The first sub-item captioned `title` under the top-level items captioned
// with the kind's caption, in order; null when there is none.
TMenuItem* FindMenuEntry(const TMainMenu* menu, THighlightType kind, const QString& title);

// Makes sure the kind has its top-level item and, for a non-empty title that
// has none yet, appends the entry named `entryPrefix` plus a number with
// `onClick`. New items belong to the menu's owner. Returns the new entry or
// null.
TMenuItem* BuildMenuEntry(TMainMenu* menu, THighlightType kind, const QString& title,
                          const QString& entryPrefix, const TNotifyEvent& onClick);

// The entry `step` places after (or before, for a negative step) the
// title's entry among its kind's entries, wrapping at both ends; null when
// the title has no entry.
TMenuItem* TourTarget(const TMainMenu* menu, THighlightType kind, const QString& title, int step);
