#pragma once

#include "classroom/HandIn.h"
#include "drill/ReportFigures.h"

#include <QDateTime>

// A pupil's game of three questions, one of them out of time, ending at 21:00 in Tokyo.
inline HandIn sampleHandIn(const Pupil& pupil = {QStringLiteral("3年2組"), QStringLiteral("15"),
                                                 QStringLiteral("山田 花子")},
                           const QDateTime& finishedAt = QDateTime(QDate(2026, 3, 1), QTime(12, 0),
                                                                   Qt::UTC))
{
    const ReportInputs inputs{20, 3, 2, 55, 255};
    const ReportTexts texts = ReportFigures::texts(inputs);
    ResultRow game{pupil.name,
                   QStringLiteral("kanji.DAT"),
                   0,
                   finishedAt.addSecs(-60),
                   finishedAt,
                   false,
                   inputs,
                   {},
                   {{QStringLiteral("川"), QStringLiteral("かわ")}}};
    const auto number = [](const QString& text) { return text.chopped(2); };
    game.figures = {number(texts.standardTime), number(texts.averageCorrectTime),
                    number(texts.averageInputTime), number(texts.correctRate)};
    return {pupil,
            QStringLiteral("漢字テスト"),
            game,
            {{QStringLiteral("山"), QStringLiteral("やま"), true, 23, {}},
             {QStringLiteral("川"), QStringLiteral("かわ"), false, 200, QStringLiteral("か")},
             {QStringLiteral("=1+1"), QStringLiteral("2"), true, 32, {}}}};
}
