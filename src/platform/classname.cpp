#include "classname.h"

#include <QMetaObject>
#include <QObject>

QString ClassNameOf(const QObject* object) {
  if (!object) return {};
  const QString full = QString::fromLatin1(object->metaObject()->className());
  const qsizetype colon = full.lastIndexOf(QLatin1String("::"));
  return colon < 0 ? full : full.mid(colon + 2);
}

bool IsClassName(const QObject* object, std::string_view name) {
  if (!object) return false;
  return ClassNameOf(object).compare(QLatin1String(name.data(), qsizetype(name.size())),
                                     Qt::CaseInsensitive) == 0;
}
