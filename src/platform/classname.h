#pragma once
// Components recognise each other by class name, ignoring letter case; a
// class derived from a recognised one has a name of its own and is not
// recognised.
#include <QString>
#include <string_view>

class QObject;

// The class name without any namespace qualification.
QString ClassNameOf(const QObject* object);
bool IsClassName(const QObject* object, std::string_view name);
// Whether the object's class or a class it derives from has the name; for
// the few places that accept a derived class as well.
bool IsClassNameOrDerived(const QObject* object, std::string_view name);
