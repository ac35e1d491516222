#pragma once

#include "platform/SettingsBackend.h"

#include <QHash>
#include <QSet>
#include <QStringList>

// Keeps the values in memory and records the names read and written, in order. Writes of the
// names in failingWrites are refused and change nothing, but are recorded. Like the settings file
// on Linux, a written value comes back as its text; tests put values of other types straight
// into values.
class MemorySettingsBackend : public SettingsBackend
{
public:
    std::optional<QVariant> read(const QString& name) override
    {
        reads << name;
        const auto found = values.constFind(name);
        if (found == values.cend())
            return std::nullopt;
        return *found;
    }

    bool write(const QString& name, const QVariant& value) override
    {
        writes << name;
        if (failingWrites.contains(name))
            return false;
        values.insert(name, value.toString());
        return true;
    }

    QHash<QString, QVariant> values;
    QSet<QString> failingWrites;
    QStringList reads;
    QStringList writes;
};
