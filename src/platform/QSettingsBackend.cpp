#include "platform/QSettingsBackend.h"

#include "ProductInfo.h"

#include <QSettings>

#include <memory>

namespace {

std::unique_ptr<QSettings> settingsAt(const QString& iniFile)
{
    if (!iniFile.isEmpty())
        return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       ProductInfo::Organisation, ProductInfo::Application);
}

} // namespace

std::optional<QVariant> QSettingsBackend::read(const QString& name)
{
    const std::unique_ptr<QSettings> held = settingsAt(iniFile);
    const QSettings& settings = *held;
    if (!settings.contains(name))
        return std::nullopt;
    return settings.value(name);
}

bool QSettingsBackend::write(const QString& name, const QVariant& value)
{
    const std::unique_ptr<QSettings> held = settingsAt(iniFile);
    QSettings& settings = *held;
    // Asked first because a file that Qt could not parse leaves FormatError as the status, and
    // that status is never replaced by a later AccessError.
    if (!settings.isWritable())
        return false;
    settings.setValue(name, value);
    settings.sync();
    return settings.status() != QSettings::AccessError;
}
