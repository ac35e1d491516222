#pragma once

#include <QObject>
#include <QString>

// The modules the program loads once it needs them: the sound output, and the results window
// with its chart and printing. Linked into the program, their libraries would be mapped and
// resolved before the first window shows. Their file names are ProductInfo's.
//
// A module links its own copy of the program's code, so a class of the program is another type
// in the module, and dynamic_cast, typeid and qobject_cast to a class fail silently across the
// boundary. What crosses it is therefore an abstract interface over Qt types only, whose
// virtual calls need the same header on both sides, not the same type; the module's entry is
// found by the interface's identifier string (Q_DECLARE_INTERFACE), which both copies spell
// alike. The identifier carries a version: a module built against another shape of the
// interface, an older installed one say, is refused instead of being called.
namespace ProgramModule {

// The module of that file name the program loads: the one beside the executable, which a build
// puts there, else the installed one in <prefix>/lib/tazune, the prefix being the parent of the
// executable's folder; when neither exists, the one beside the executable.
QString pathFor(const QString& executablePath, const QString& fileName);

// The entry of the module at path, which stays loaded for good; null, and why in error, when
// the module cannot be loaded.
QObject* loadEntry(const QString& path, QString& error);

// The module's entry as the interface it offers; null, and why in error, when it cannot be
// loaded or does not offer that interface.
template <typename Interface> Interface* load(const QString& path, QString& error)
{
    QObject* entry = loadEntry(path, error);
    if (!entry)
        return nullptr;
    auto* offered = qobject_cast<Interface*>(entry);
    if (!offered)
        error = path + QStringLiteral(": does not offer ") +
                QString::fromLatin1(qobject_interface_iid<Interface*>());
    return offered;
}

} // namespace ProgramModule
