#pragma once

#include <QString>
#include <QStringList>

// What a pair is read as: the reading in hiragana of the text it belongs to (see ReadingTarget),
// the other answers accepted besides the pair's own, and whether the reading still waits for a
// person to confirm it.
struct PairReading
{
    QString reading;
    QStringList alternatives;
    bool needsCheck = false;

    // Nothing worth a line in the companion file.
    bool isEmpty() const { return reading.isEmpty() && alternatives.isEmpty() && !needsCheck; }

    friend bool operator==(const PairReading&, const PairReading&) = default;
};

namespace Alternatives {

// The alternatives as one text, as the file and the editor's box write them.
inline const QString Separator = QStringLiteral(" | ");

QString join(const QStringList& alternatives);

// Split at every '|', each part trimmed; empty parts are dropped, so a stray separator or
// spaces typed around one never make an empty answer.
QStringList split(const QString& text);

} // namespace Alternatives
