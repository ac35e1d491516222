#pragma once

class QObject;

// Which help context a request carries. Windows and a few controls carry a context of their own;
// F1 and the Help buttons take the first one found from where the user is, up to the window.
namespace HelpRouting {

void setContext(QObject* object, int context);

// The object's own context; 0 when it carries none, as most menu items.
int contextOf(const QObject* object);

// The context of the first object that carries one, from start up its parents as far as window
// (included); 0 when none does, or when window is not among start's parents.
int contextAlongParents(const QObject* start, const QObject* window);

} // namespace HelpRouting
