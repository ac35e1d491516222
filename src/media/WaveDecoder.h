#pragma once

#include "platform/Outcome.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// The sample encodings an audio device takes as they are; every wave file becomes one of them.
enum class SampleFormat
{
    UInt8,
    Int16,
    Int32,
    Float
};

// A sound ready for an audio device: interleaved frames in the host's byte order.
struct WaveSound
{
    SampleFormat sampleFormat = SampleFormat::Int16;
    int channelCount = 0;
    int sampleRate = 0;
    QByteArray samples;
};

// How long the sound plays, in milliseconds.
qint64 playingMilliseconds(const WaveSound& sound);

// The sound, or why there is none.
using WaveDecodeResult = Fallible<WaveSound, QString>;

// Reads RIFF wave files of linear PCM (8, 16, 24 or 32 bits) or IEEE float (32 or 64 bits), also
// in the extensible layout. Every size is checked against the file before anything is read, so
// a damaged or foreign file fails at once instead of leaving an audio back end waiting for bytes
// that never come.
namespace WaveDecoder {

WaveDecodeResult decode(QIODevice& device);

// Only regular files are read: a folder, a device or a pipe fails without being opened.
WaveDecodeResult decodeFile(const QString& path);

} // namespace WaveDecoder
