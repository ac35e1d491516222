// Any file the user picks as a sound reaches the decoder. Whatever the bytes, it must end in a
// sound or a reason, without a crash, undefined behaviour or an allocation the file does not
// justify; and a sound must be one an audio device can take.

#include "media/WaveDecoder.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

qsizetype bytesPerSample(SampleFormat format)
{
    switch (format) {
    case SampleFormat::UInt8:
        return 1;
    case SampleFormat::Int16:
        return 2;
    case SampleFormat::Int32:
    case SampleFormat::Float:
        return 4;
    }
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const WaveDecodeResult result = WaveDecoder::decode(device);
    if (!result) {
        if (result.failure().isEmpty())
            std::abort();
        return 0;
    }
    const WaveSound& sound = *result;
    const qsizetype frameSize = sound.channelCount * bytesPerSample(sound.sampleFormat);
    // 24-bit samples widen to 32 bits, the most any sample grows.
    if (sound.channelCount <= 0 || sound.sampleRate <= 0 || sound.samples.isEmpty() ||
        sound.samples.size() % frameSize != 0 || sound.samples.size() > qsizetype(size) / 3 * 4)
        std::abort();
    return 0;
}
