#include "media/SoundEffects.h"

#include "platform/WavePlayer.h"

SoundEffects::SoundEffects(WavePlayer& player) : player(player) {}

void SoundEffects::play(const QString& path)
{
    if (path.isEmpty()) {
        player.close();
        return;
    }
    // Why the file cannot be opened is of no use to anyone during a drill, so it is dropped.
    if (player.open(path).has_value())
        return;
    player.play();
}

void SoundEffects::preload(const QStringList& paths)
{
    QStringList files;
    for (const QString& path : paths) {
        if (!path.isEmpty() && !files.contains(path))
            files << path;
    }
    player.preload(files);
}
