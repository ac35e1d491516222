#include "media/SoundEffects.h"

#include "platform/WavePlayer.h"

#include <QStringList>

SoundEffects::SoundEffects(WavePlayer& player) : player(player) {}

void SoundEffects::setEventFiles(const EventFiles& files)
{
    eventFiles = files;
    // Passed on even when empty, so that the player lets go of the files it held before.
    QStringList ready;
    for (const auto& [event, path] : eventFiles) {
        if (!path.isEmpty() && !ready.contains(path))
            ready << path;
    }
    player.preload(ready);
}

void SoundEffects::play(SoundEvent event)
{
    const auto found = eventFiles.find(event);
    playFile(found == eventFiles.end() ? QString() : found->second);
}

void SoundEffects::playFile(const QString& path)
{
    if (path.isEmpty()) {
        player.close();
        return;
    }
    // Why the file cannot be opened is of no use to anyone during a drill, so it is dropped.
    if (player.open(path))
        player.play();
}
