#pragma once

#include "questions/QuestionBank.h"

#include <QByteArrayList>
#include <QList>

// A bank whose levels hold the given answers, in order, each question being its answer in upper
// case, so that a test can tell from the question line what to type.
QuestionBank upperCaseBank(const QList<QByteArrayList>& answersPerLevel);
