#pragma once

#include "platform/FontDialog.h"

// Qt's font dialog, listing fixed-pitch fonts only.
class QtFontDialog : public FontDialog
{
public:
    std::optional<QFont> getFont(const QFont& initial) override;
};
