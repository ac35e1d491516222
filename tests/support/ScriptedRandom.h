#pragma once

#include "platform/RandomSource.h"

#include <QList>

// Returns the scripted values in turn (each taken modulo the bound), then 0; keeps the bounds.
class ScriptedRandom : public RandomSource
{
public:
    int bounded(int bound) override
    {
        bounds << bound;
        return values.isEmpty() ? 0 : values.takeFirst() % bound;
    }

    QList<int> values;
    QList<int> bounds;
};
