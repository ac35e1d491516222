#pragma once

#include <QAccessible>
#include <QObject>

// What a screen reader gets from a widget over the accessibility interface.
namespace ScreenReader {

inline QString text(QObject* object, QAccessible::Text kind)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(kind) : QString();
}

inline QString name(QObject* object)
{
    return text(object, QAccessible::Name);
}

inline QString description(QObject* object)
{
    return text(object, QAccessible::Description);
}

} // namespace ScreenReader
