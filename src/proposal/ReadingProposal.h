#pragma once

#include <QString>
#include <QStringList>

// Why a proposed reading waits for the teacher's 要確認.
enum class ReadingDoubt
{
    None,
    AnalysersDisagree,
    SeveralReadings, // the dictionary's, or a counter's such as 七人
    UnknownWord
};

// The reading proposed for one word: the default, every reading offered (the default first) and
// whether the teacher should confirm it.
struct ReadingProposal
{
    QString reading;
    QStringList readings;
    ReadingDoubt doubt = ReadingDoubt::None;

    bool needsCheck() const { return doubt != ReadingDoubt::None; }

    friend bool operator==(const ReadingProposal&, const ReadingProposal&) = default;
};
