#include "platform/QSettingsBackend.h"

#include <QSettings>

namespace {

const QString Organisation = QStringLiteral("Velmora");
const QString Application = QStringLiteral("Tazune");

} // namespace

std::optional<QVariant> QSettingsBackend::read(const QString& name)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organisation,
                             Application);
    if (!settings.contains(name))
        return std::nullopt;
    return settings.value(name);
}

bool QSettingsBackend::write(const QString& name, const QVariant& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organisation, Application);
    // Asked first because a file that Qt could not parse leaves FormatError as the status, and
    // that status is never replaced by a later AccessError.
    if (!settings.isWritable())
        return false;
    settings.setValue(name, value);
    settings.sync();
    return settings.status() != QSettings::AccessError;
}
