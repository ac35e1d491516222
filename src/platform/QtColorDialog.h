#pragma once

#include "platform/ColorDialog.h"

#include <QRgb>

#include <array>

// Qt's colour dialog, with custom colours of its own for the run: they are offered at each use
// and taken back only when the user confirms.
class QtColorDialog : public ColorDialog
{
public:
    QtColorDialog();

    std::optional<QColor> getColor(const QColor& initial) override;

private:
    std::array<QRgb, 16> customColours;
};
