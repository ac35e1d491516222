#pragma once

#include "readings/Furigana.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// 練習 lets the pupil play as in any game; テスト is the fair test, whose game the window locks.
enum class AssignmentMode
{
    Practice,
    Test
};

// What a teacher sets for a class: one question file, the same draw for every pupil, and where the
// pupils' games are handed in.
struct Assignment
{
    QString title;
    // As written in the file: relative to the assignment's own folder unless absolute.
    QString questionFile;
    // A copy of the question file carried inside the assignment; empty when it is only named.
    QByteArray embeddedQuestions;
    QList<int> levels{0};
    qint32 questionsPerGame = 10;
    qint32 secondsPerQuestion = 20;
    quint64 seed = 0;
    AssignmentMode mode = AssignmentMode::Practice;
    Furigana furigana = Furigana::Never;
    bool romajiInput = false;
    bool answerByReading = false;
    QString handInFolder;
    // Keys this version does not know, from a later one, kept in their order and written back.
    QList<std::pair<QString, QString>> otherKeys;

    friend bool operator==(const Assignment&, const Assignment&) = default;
};
