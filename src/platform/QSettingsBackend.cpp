#include "platform/QSettingsBackend.h"

#include "ProductInfo.h"

#include <QSettings>

std::optional<QVariant> QSettingsBackend::read(const QString& name)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             ProductInfo::Organisation, ProductInfo::Application);
    if (!settings.contains(name))
        return std::nullopt;
    return settings.value(name);
}

bool QSettingsBackend::write(const QString& name, const QVariant& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, ProductInfo::Organisation,
                       ProductInfo::Application);
    // Asked first because a file that Qt could not parse leaves FormatError as the status, and
    // that status is never replaced by a later AccessError.
    if (!settings.isWritable())
        return false;
    settings.setValue(name, value);
    settings.sync();
    return settings.status() != QSettings::AccessError;
}
