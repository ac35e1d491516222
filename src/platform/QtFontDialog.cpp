#include "platform/QtFontDialog.h"

#include <QApplication>
#include <QFontDialog>

std::optional<QFont> QtFontDialog::getFont(const QFont& initial)
{
    QFontDialog dialog(initial, QApplication::activeWindow());
    dialog.setOption(QFontDialog::MonospacedFonts);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}
