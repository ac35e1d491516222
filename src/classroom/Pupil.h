#pragma once

#include "platform/Outcome.h"

#include <QString>

// Who hands a game in: typed once per PC user and kept with the settings. No address, no password.
struct Pupil
{
    QString classGroup; // 組
    QString number;     // 番号
    QString name;       // 名前

    bool isKnown() const { return !classGroup.isEmpty() && !number.isEmpty() && !name.isEmpty(); }

    friend bool operator==(const Pupil&, const Pupil&) = default;
};

namespace PupilText {

inline constexpr qsizetype MostClassCharacters = 20;
inline constexpr qsizetype MostNumberCharacters = 10;
inline constexpr qsizetype MostNameCharacters = 40;

// "組,番号,名前" as given to --pupil: three texts, each trimmed, none empty or longer than its
// limit, separated by commas (ASCII or full-width). Fails with the message to show.
Fallible<Pupil, QString> parse(const QString& text);

} // namespace PupilText
