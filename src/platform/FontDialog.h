#pragma once

#include <QFont>

#include <optional>

class FontDialog
{
public:
    virtual ~FontDialog() = default;
    // The fixed-pitch font the user confirmed, starting from initial; nothing when cancelled.
    virtual std::optional<QFont> getFont(const QFont& initial) = 0;
};
