#pragma once

#include "platform/SettingsBackend.h"

// The user's settings file of the organisation "Velmora" and the application "Tazune"; on
// Linux $XDG_CONFIG_HOME/Velmora/Tazune.conf.
class QSettingsBackend : public SettingsBackend
{
public:
    std::optional<QVariant> read(const QString& name) override;
    bool write(const QString& name, const QVariant& value) override;
};
