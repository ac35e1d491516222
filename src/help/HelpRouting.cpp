#include "help/HelpRouting.h"

#include <QObject>
#include <QVariant>

namespace {

constexpr const char* ContextProperty = "helpContext";

} // namespace

namespace HelpRouting {

void setContext(QObject* object, int context)
{
    object->setProperty(ContextProperty, context);
}

int contextOf(const QObject* object)
{
    return object ? object->property(ContextProperty).toInt() : 0;
}

int contextAlongParents(const QObject* start, const QObject* window)
{
    for (const QObject* object = start; object; object = object->parent()) {
        if (const int context = contextOf(object); context > 0)
            return context;
        if (object == window)
            return 0;
    }
    return 0;
}

} // namespace HelpRouting
