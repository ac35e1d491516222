#pragma once

#include "platform/SettingsBackend.h"

// The user's settings file of the organisation "Velmora" and the application "Tazune"; on
// Linux $XDG_CONFIG_HOME/Velmora/Tazune.conf. Or an INI file of its own, for a program started
// with its data in a folder of its own.
class QSettingsBackend : public SettingsBackend
{
public:
    QSettingsBackend() = default;
    explicit QSettingsBackend(QString iniFile) : iniFile(std::move(iniFile)) {}

    std::optional<QVariant> read(const QString& name) override;
    bool write(const QString& name, const QVariant& value) override;

private:
    // Empty for the user's settings file.
    QString iniFile;
};
