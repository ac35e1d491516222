#pragma once

#include "platform/RandomSource.h"

#include <QRandomGenerator>

// Seeded once from the time of day, as the drill expects a new order of questions at every run.
class TimeSeededRandom : public RandomSource
{
public:
    TimeSeededRandom();
    int bounded(int bound) override;

private:
    QRandomGenerator generator;
};
