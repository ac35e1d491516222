#include "platform/QtColorDialog.h"

#include <QApplication>
#include <QColorDialog>

QtColorDialog::QtColorDialog()
{
    customColours.fill(qRgb(255, 255, 255));
}

std::optional<QColor> QtColorDialog::getColor(const QColor& initial)
{
    // Qt keeps custom colours for the whole application, changed the moment the user adds one;
    // they are set from and read back into this dialog's own so that a cancel drops them.
    for (int k = 0; k < int(customColours.size()); ++k)
        QColorDialog::setCustomColor(k, QColor::fromRgb(customColours[k]));
    QColorDialog dialog(initial, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    for (int k = 0; k < int(customColours.size()); ++k)
        customColours[k] = QColorDialog::customColor(k).rgb();
    return dialog.selectedColor();
}
