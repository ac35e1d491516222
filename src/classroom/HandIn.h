#pragma once

#include "classroom/Pupil.h"
#include "results/ResultRow.h"

#include <QList>
#include <QString>

// One question of a handed-in game, as text.
struct HandInAnswer
{
    QString question;
    QString answer;
    bool correct = false;
    // The bar's position when the answer matched, or the whole bar at a time-out.
    qint64 ticks = 0;
    // What the input line held at a time-out.
    QString typed;

    friend bool operator==(const HandInAnswer&, const HandInAnswer&) = default;
};

// One finished game of an assignment, as one pupil hands it in.
struct HandIn
{
    Pupil pupil;
    QString assignmentTitle;
    ResultRow game;
    QList<HandInAnswer> answers;

    friend bool operator==(const HandIn&, const HandIn&) = default;
};

// What the board and its report keep of a hand-in: the pupil and the game's row, whose time-outs
// are taken from the question rows. A file's own row could say otherwise, and the question rows
// are what was played.
struct HandInSummary
{
    Pupil pupil;
    ResultRow game;

    static HandInSummary of(const HandIn& handIn);
};
