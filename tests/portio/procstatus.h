#pragma once
// Fields of /proc/self/status, where the kernel shows the process's ids and
// capability sets.
#include <QFile>
#include <QString>

inline QString ProcStatusField(const QString& name) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return {};
  const QString prefix = name + QLatin1Char(':');
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(prefix.toLatin1())) return QString::fromLatin1(line.mid(prefix.size())).simplified();
  return {};
}

inline bool CapabilitySetEmpty(const QString& name) {
  bool ok = false;
  return ProcStatusField(name).toULongLong(&ok, 16) == 0 && ok;
}
