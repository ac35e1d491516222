#pragma once

#include "classroom/HandIn.h"
#include "platform/Outcome.h"

#include <QByteArrayView>
#include <QString>

// A hand-in file read back for the board. Any pupil can write anything into the folder, so a file
// is read only up to its limits and whatever does not have the shape HandInFile writes is refused
// with the reason, never half taken.
namespace HandInReader {

inline constexpr qsizetype MostBytes = 512 * 1024;
inline constexpr qsizetype MostAnswers = 1000;

Fallible<HandIn, QString> read(QByteArrayView bytes);

} // namespace HandInReader
