#include "media/WaveCache.h"

#include <QFileInfo>

void WaveCache::keep(const QStringList& paths)
{
    kept = paths;
    entries.removeIf([this](const std::pair<const QString&, Entry&>& entry) {
        return !kept.contains(entry.first);
    });
    for (const QString& path : paths)
        fetch(path);
}

WaveCache::Result WaveCache::fetch(const QString& path)
{
    const QFileInfo info(path);
    const auto held = entries.constFind(path);
    if (held != entries.cend() && info.isFile() && held->size == info.size() &&
        held->modified == info.lastModified())
        return held->sound;

    WaveDecodeResult decoded = WaveDecoder::decodeFile(path);
    if (!decoded) {
        entries.remove(path);
        return Result::failed(decoded.failure());
    }
    // The size and time were taken before the read: a file changed in between is read again
    // next time rather than held with a stale picture of it.
    auto sound = std::make_shared<const WaveSound>(std::move(decoded.value()));
    if (kept.contains(path))
        entries.insert(path, {info.size(), info.lastModified(), sound});
    return Result(sound);
}
