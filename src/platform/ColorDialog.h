#pragma once

#include <QColor>

#include <optional>

class ColorDialog
{
public:
    virtual ~ColorDialog() = default;
    // The colour the user confirmed, starting from initial; nothing when cancelled.
    virtual std::optional<QColor> getColor(const QColor& initial) = 0;
};
