#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// The per-user store the settings live in between runs, addressed by value name. Each call
// stands on its own and keeps nothing open.
class SettingsBackend
{
public:
    virtual ~SettingsBackend() = default;

    // The stored value as it was found, of whatever type; nothing when no value has the name
    // or the store cannot be read.
    virtual std::optional<QVariant> read(const QString& name) = 0;

    // Stores the value in place of any earlier one of that name; false when it did not reach
    // the store.
    virtual bool write(const QString& name, const QVariant& value) = 0;
};
