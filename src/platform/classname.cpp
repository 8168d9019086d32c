#include "classname.h"

#include <QMetaObject>
#include <QObject>

namespace {

QString ShortName(const QMetaObject* meta) {
  const QString full = QString::fromLatin1(meta->className());
  const qsizetype colon = full.lastIndexOf(QLatin1String("::"));
  return colon < 0 ? full : full.mid(colon + 2);
}

bool SameName(const QMetaObject* meta, std::string_view name) {
  return ShortName(meta).compare(QLatin1String(name.data(), qsizetype(name.size())), Qt::CaseInsensitive) ==
         0;
}

}  // namespace

QString ClassNameOf(const QObject* object) {
  return object ? ShortName(object->metaObject()) : QString();
}

bool IsClassName(const QObject* object, std::string_view name) {
  return object && SameName(object->metaObject(), name);
}

bool IsClassNameOrDerived(const QObject* object, std::string_view name) {
  for (const QMetaObject* meta = object ? object->metaObject() : nullptr; meta; meta = meta->superClass())
    if (SameName(meta, name)) return true;
  return false;
}
