#include "platform/TimeSeededRandom.h"

#include <QTime>

TimeSeededRandom::TimeSeededRandom()
    : generator(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()))
{}

int TimeSeededRandom::bounded(int bound)
{
    return static_cast<int>(generator.bounded(static_cast<quint32>(bound)));
}
