#include "app/EventSoundFiles.h"

#include <QDir>

SoundEffects::EventFiles eventSoundFiles(const DrillSettings& settings, const QDir& programFolder)
{
    const auto inProgramFolder = [&](const QString& path) {
        return path.isEmpty() ? path : programFolder.absoluteFilePath(path);
    };
    return {{SoundEvent::Correct, inProgramFolder(settings.correctSound)},
            {SoundEvent::TimeOut, inProgramFolder(settings.timeOutSound)}};
}
