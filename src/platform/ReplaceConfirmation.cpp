#include "platform/ReplaceConfirmation.h"

#include "platform/MessageBox.h"

#include <QFileInfo>

namespace ReplaceConfirmation {

QString question(const QString& path)
{
    return QStringLiteral("%1 はすでにあります。置き換えますか?").arg(path);
}

bool allows(MessageBox& messageBox, const QString& path)
{
    return !QFileInfo::exists(path) || messageBox.confirm(question(path));
}

} // namespace ReplaceConfirmation
