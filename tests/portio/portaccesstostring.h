#pragma once
// Lets QCOMPARE print port accesses when a recorded sequence differs.
#include <QByteArray>
#include <QtTest>

#include "portio/recordingbackend.h"

inline char* toString(const TPortAccess& access) {
  return qstrdup(ToString(access).c_str());
}
